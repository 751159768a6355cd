#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "ScriptedWindowSystem.h"
#include "channels/ChannelsModule.h"
#include "channels/QianniuFinder.h"
#include "channels/SearchFiles.h"
#include "platform/DriveRoots.h"
#include "support/MapControls.h"
#include "support/RecordingDialogs.h"
#include "support/VirtualClock.h"

using namespace fahuo;

namespace {

const QString kFound = QStringLiteral("本电脑已经安装千牛，保持打开！");
const QString kNotFound = QStringLiteral("电脑中根本没有安装千牛，下载按默认路径安装吧！");
const QString kGroupCaption = QStringLiteral("自动检查电脑有没有安装千牛");

// Makes the files (paths ending in "/" are folders; "a -> b" a symbolic link) under a root.
void MakeTree(const QString& root, const QStringList& entries) {
    for (const QString& entry : entries) {
        if (entry.contains(QStringLiteral(" -> "))) {
            const QString link =
                root + QLatin1Char('/') + entry.section(QStringLiteral(" -> "), 0, 0);
            QDir().mkpath(QFileInfo(link).path());
            QFile::link(root + QLatin1Char('/') + entry.section(QStringLiteral(" -> "), 1), link);
        } else if (entry.endsWith(QLatin1Char('/'))) {
            QDir().mkpath(root + QLatin1Char('/') + entry);
        } else {
            const QString path = root + QLatin1Char('/') + entry;
            QDir().mkpath(QFileInfo(path).path());
            QFile file(path);
            file.open(QIODevice::WriteOnly);
        }
    }
}

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace

class QianniuFinderTest : public QObject {
    Q_OBJECT
  private slots:
    void searchFilesDepthFirst();
    void searchFilesStopsWhenTold();
    void finder_data();
    void finder();
    void stopWhileRunning();
    void startFillsTheDriveList();
    void mountedVolumes_data();
    void mountedVolumes();
};

void QianniuFinderTest::searchFilesDepthFirst() {
    QTemporaryDir dir;
    const QString root = dir.path();
    MakeTree(root, {"WWcmd.exe", "a/wwcmd.EXE", "a/b/WWcmd.exe", "a/b/other.exe",
                    ".hidden/WWcmd.exe", "a/.git/WWcmd.exe", "loop -> a", "a/up -> .",
                    "WWcmd.exe.bak", "folder.WWcmd.exe/WWcmd.exe"});
    QStringList reported;
    QVERIFY(SearchFiles(root, QStringLiteral("WWcmd.exe"),
                        [&](const QString& folder, const QString& file) {
                            reported.append(folder + file);
                            return SearchNext::GoOn;
                        }));
    // A folder's own files come before anything below it; each folder is walked whole before
    // its next sibling.
    QCOMPARE(reported.value(0), Native(root + "/WWcmd.exe"));
    const int a = reported.indexOf(Native(root + "/a/wwcmd.EXE"));
    const int b = reported.indexOf(Native(root + "/a/b/WWcmd.exe"));
    QVERIFY(a > 0 && b == a + 1);
    QVERIFY(reported.contains(Native(root + "/folder.WWcmd.exe/WWcmd.exe")));
    // Nothing in dot-folders, nothing through the links (which loop), no near names.
    QCOMPARE(reported.size(), 4);
}

void QianniuFinderTest::searchFilesStopsWhenTold() {
    QTemporaryDir dir;
    MakeTree(dir.path(), {"x/WWcmd.exe", "y/WWcmd.exe"});
    int calls = 0;
    QVERIFY(
        !SearchFiles(dir.path(), QStringLiteral("WWcmd.exe"), [&](const QString&, const QString&) {
            ++calls;
            return SearchNext::Stop;
        }));
    QCOMPARE(calls, 1);

    std::atomic_bool stop{true};
    SearchOptions options;
    options.stop = &stop;
    QVERIFY(!SearchFiles(
        dir.path(), QStringLiteral("WWcmd.exe"),
        [&](const QString&, const QString&) {
            ++calls;
            return SearchNext::GoOn;
        },
        options));
    QCOMPARE(calls, 1);
}

void QianniuFinderTest::finder_data() {
    QTest::addColumn<QStringList>("first");   // entries of the first root
    QTest::addColumn<QStringList>("second");  // entries of the second root
    QTest::addColumn<QString>("accept");      // 编辑框_wwcmd
    QTest::addColumn<QString>("path");        // WwcmdPath at the end, relative: 1/ or 2/
    QTest::addColumn<bool>("found");
    QTest::addColumn<QStringList>("doNotEnter");

    const QStringList other{"Program Files/OtherIM/WWcmd.exe"};
    const QStringList qianniu{"Program Files/AliWorkbench/9.0/WWcmd.exe"};
    QTest::newRow("another product first, then Qianniu")
        << other << qianniu << "AliWorkbench"
        << "2/Program Files/AliWorkbench/9.0/WWcmd.exe" << true << QStringList();
    QTest::newRow("letter case does not count")
        << QStringList() << QStringList{"aliworkbench/WWCMD.exe"} << " ALIWORKBENCH "
        << "2/aliworkbench/WWCMD.exe" << true << QStringList();
    QTest::newRow("empty setting accepts the first found")
        << other << qianniu << ""
        << "1/Program Files/OtherIM/WWcmd.exe" << true << QStringList();
    QTest::newRow("only another product: its path stays, seller told")
        << other << QStringList() << "AliWorkbench"
        << "1/Program Files/OtherIM/WWcmd.exe" << false << QStringList();
    QTest::newRow("none anywhere") << QStringList{"a/b/"} << QStringList() << "AliWorkbench"
                                   << "" << false << QStringList();
    QTest::newRow("dot-folder not entered")
        << QStringList{".cache/AliWorkbench/WWcmd.exe"} << QStringList() << "AliWorkbench"
        << "" << false << QStringList();
    QTest::newRow("a symbolic link loop ends")
        << QStringList{"AliWorkbench/loop -> .", "AliWorkbench/deeper/"} << QStringList()
        << "AliWorkbench"
        << "" << false << QStringList();
    QTest::newRow("another mount point is not entered")
        << QStringList{"mnt/AliWorkbench/WWcmd.exe"} << QStringList() << "AliWorkbench"
        << "" << false << QStringList{"1/mnt"};
}

void QianniuFinderTest::finder() {
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(QString, accept);
    QFETCH(QString, path);
    QFETCH(bool, found);
    QFETCH(QStringList, doNotEnter);
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("1"));
    QDir().mkpath(dir.filePath("2"));
    MakeTree(dir.filePath("1"), first);
    MakeTree(dir.filePath("2"), second);
    test::MapControls controls;
    test::RecordingDialogs dialogs;
    controls.SetText(QStringLiteral("编辑框_wwcmd"), accept);
    controls.SetText(QStringLiteral("分组框_wwcmd"), kGroupCaption);
    QStringList skip;
    for (const QString& s : doNotEnter)
        skip.append(dir.filePath(s));

    QianniuFinder finder(controls, dialogs);
    QSignalSpy finished(&finder, &QianniuFinder::Finished);
    finder.Start({dir.filePath("1"), dir.filePath("2")}, skip);
    QVERIFY(finished.wait(20000));
    QCOMPARE(finder.WwcmdPath(), path.isEmpty() ? QString() : Native(dir.filePath(path)));
    QCOMPARE(controls.Text(QStringLiteral("分组框_wwcmd")), found ? kFound : kGroupCaption);
    QCOMPARE(dialogs.messages, found ? QStringList() : QStringList{kNotFound});
    QVERIFY(!finder.IsRunning());
}

void QianniuFinderTest::stopWhileRunning() {
    test::MapControls controls;
    test::RecordingDialogs dialogs;
    controls.SetText(QStringLiteral("编辑框_wwcmd"), QStringLiteral("no folder is named so"));
    QianniuFinder finder(controls, dialogs);
    // /usr is large enough that the walk is still going when the stop comes.
    finder.Start({QStringLiteral("/usr"), QStringLiteral("/usr")}, {});
    QVERIFY(finder.IsRunning());
    QElapsedTimer timer;
    timer.start();
    finder.Stop();
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(!finder.IsRunning());
    QCoreApplication::processEvents();
    // A stopped search tells the seller nothing.
    QCOMPARE(dialogs.messages, QStringList());
}

void QianniuFinderTest::startFillsTheDriveList() {
    test::MapControls controls;
    test::RecordingDialogs dialogs;
    test::VirtualClock clock;
    test::ScriptedWindowSystem windows;
    ChannelsModule channels(controls, dialogs, clock, windows);
    controls.SetText(QStringLiteral("编辑框_wwcmd"), QStringLiteral("no folder is named so"));
    channels.StartQianniuFinder();
    const QStringList roots = controls.Items(QStringLiteral("组合框_wwcmd"));
    QCOMPARE(roots, SystemDriveLayout().roots);
    QVERIFY(!roots.isEmpty());
    QVERIFY(!roots.contains(QStringLiteral("/proc")));
    channels.StopQianniuFinder();
    QVERIFY(!channels.Finder().IsRunning());
}

void QianniuFinderTest::mountedVolumes_data() {
    QTest::addColumn<QByteArray>("mounts");
    QTest::addColumn<QStringList>("roots");
    QTest::addColumn<QStringList>("doNotEnter");
    QTest::newRow("container") << QByteArray(
                                      "overlay / overlay rw,relatime 0 0\n"
                                      "proc /proc proc rw,nosuid 0 0\n"
                                      "tmpfs /dev tmpfs rw 0 0\n"
                                      "devpts /dev/pts devpts rw 0 0\n"
                                      "sysfs /sys sysfs ro 0 0\n"
                                      "cgroup /sys/fs/cgroup cgroup2 ro 0 0\n"
                                      "/dev/sda1 /etc/hosts ext4 rw 0 0\n")
                               << QStringList{"/", "/etc/hosts"}
                               << QStringList{"/",    "/proc",          "/dev",      "/dev/pts",
                                              "/sys", "/sys/fs/cgroup", "/etc/hosts"};
    QTest::newRow("desktop with an escaped space")
        << QByteArray(
               "/dev/nvme0n1p2 / ext4 rw 0 0\n"
               "/dev/sdb1 /media/me/My\\040Disk vfat rw 0 0\n"
               "/dev/sdb1 /media/me/My\\040Disk vfat rw 0 0\n"
               "\n"
               "garbage\n")
        << QStringList{"/", "/media/me/My Disk"} << QStringList{"/", "/media/me/My Disk"};
}

void QianniuFinderTest::mountedVolumes() {
    QFETCH(QByteArray, mounts);
    QFETCH(QStringList, roots);
    QFETCH(QStringList, doNotEnter);
    const DriveLayout layout = DriveLayoutFromMounts(mounts);
    QCOMPARE(layout.roots, roots);
    QCOMPARE(layout.doNotEnter, doNotEnter);
}

QTEST_GUILESS_MAIN(QianniuFinderTest)
#include "QianniuFinderTest.moc"
