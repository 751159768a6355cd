#include <QApplication>
#include <cstdio>

#include "app/Program.h"
#include "taobao/TaobaoHosts.h"

int main(int argc, char** argv) {
    // The embedded browser shares its GL context with the window.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QString error;
    if (!fahuo::HostsFromArguments(arguments, &error)) {
        std::fprintf(stderr, "fahuo: %s\n", qPrintable(error));
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fahuo"));
    // Minimised to the tray the window is hidden; a message box closing then must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    fahuo::Program program(fahuo::ParseProgramArguments(QApplication::arguments()));
    program.Start();
    return app.exec();
}
