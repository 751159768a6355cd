// Writes a picture of each of the window's seven pages, and of the collapsed window, into the
// folder given as first argument (default: the current folder). With "--taobao-base URL" it also
// pictures page 1 with the login browser open at that shop. Not a test: for looking at.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTemporaryDir>

#include "app/MainWindow.h"
#include "app/Program.h"
#include "support/RecordingDialogs.h"

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString folder = args.size() > 1 && !args.at(1).startsWith(QLatin1String("--"))
                               ? args.at(1)
                               : QDir::currentPath();
    QDir().mkpath(folder);
    fahuo::test::RecordingDialogs dialogs;
    {
        fahuo::MainWindow window(dialogs);
        window.show();
        for (int page = 0; page < window.Tabs()->count(); ++page) {
            window.Tabs()->setCurrentIndex(page);
            QApplication::processEvents();
            window.grab().save(QDir(folder).filePath(QStringLiteral("page%1.png").arg(page + 1)));
        }
        window.ToggleCollapse();
        window.ToggleCollapse();
        QApplication::processEvents();
        window.grab().save(QDir(folder).filePath(QStringLiteral("collapsed.png")));
    }
    const qsizetype base = args.indexOf(QStringLiteral("--taobao-base"));
    if (base > 0 && base + 1 < args.size()) {
        QTemporaryDir data;
        fahuo::ProgramOptions options;
        options.dataDir = data.path();
        options.taobaoBase = args.at(base + 1);
        options.findQianniu = false;
        fahuo::Program program(options, &dialogs);
        program.SetEndProgram([]() {});
        program.Start();
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        program.Window().grab().save(QDir(folder).filePath(QStringLiteral("page1-browser.png")));
    }
    return 0;
}
