// Writes a picture of each of the window's seven pages, and of the collapsed window, into the
// folder given as first argument (default: the current folder). Not a test: for looking at.
#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include "app/MainWindow.h"
#include "support/RecordingDialogs.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);
    fahuo::test::RecordingDialogs dialogs;
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
    return 0;
}
