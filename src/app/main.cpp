#include <QApplication>

#include "app/Program.h"

int main(int argc, char** argv) {
    // The embedded browser shares its GL context with the window.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fahuo"));
    // Minimised to the tray the window is hidden; a message box closing then must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    fahuo::Program program(fahuo::ParseProgramArguments(QApplication::arguments()));
    program.Start();
    return app.exec();
}
