#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/WidgetControls.h"
#include "engine/DeliveryEngine.h"
#include "support/RecordingDialogs.h"
#include "support/VirtualClock.h"

using fahuo::test::RecordingDialogs;
using fahuo::test::VirtualClock;

class ProgramTest : public QObject {
    Q_OBJECT
  private slots:
    void arguments_data();
    void arguments();
    void everyModuleActionFindsItsControl();
    void closingInTheMiddleOfAPassEndsIt();
    void minimisingLeavesTheCycleRunning();

  private:
    static fahuo::ProgramOptions Options(const QTemporaryDir& dir) {
        fahuo::ProgramOptions options;
        options.dataDir = dir.path();
        options.withBrowser = false;
        options.findQianniu = false;
        options.taobaoBase =
            QStringLiteral("http://127.0.0.1:9");  // nothing listens: refused at once
        return options;
    }
};

void ProgramTest::arguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("dataDir");
    QTest::addColumn<QString>("taobaoBase");
    QTest::newRow("none") << QStringList{"fahuo"} << QString() << QString();
    QTest::newRow("separate values")
        << QStringList{"fahuo", "--data-dir", "/srv/shop", "--taobao-base", "http://127.0.0.1:8123"}
        << "/srv/shop"
        << "http://127.0.0.1:8123";
    QTest::newRow("with equals signs")
        << QStringList{"fahuo", "--taobao-base=http://h:1", "--data-dir=D:/店"} << "D:/店"
        << "http://h:1";
    QTest::newRow("flag without value is ignored")
        << QStringList{"fahuo", "-platform", "offscreen", "--data-dir"} << QString() << QString();
}

void ProgramTest::arguments() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, dataDir);
    QFETCH(QString, taobaoBase);
    const fahuo::ProgramOptions options = fahuo::ParseProgramArguments(arguments);
    QCOMPARE(options.dataDir, dataDir);
    QCOMPARE(options.taobaoBase, taobaoBase);
}

void ProgramTest::everyModuleActionFindsItsControl() {
    QTemporaryDir dir;
    RecordingDialogs dialogs;
    fahuo::Program program(Options(dir), &dialogs);
    program.SetEndProgram([]() {});
    program.Start();
    QCOMPARE(program.Unwired(), QStringList());
    // The test mail with an empty outbox: the channels module reports it.
    program.Window().Tabs()->setCurrentIndex(2);
    QTest::mouseClick(program.Window().findChild<QPushButton*>(QStringLiteral("按钮27")),
                      Qt::LeftButton);
    QCOMPARE(dialogs.messages.size(), 1);
}

void ProgramTest::closingInTheMiddleOfAPassEndsIt() {
    VirtualClock clock;
    fahuo::test::ScopedProgramClock useClock(&clock);
    QTemporaryDir dir;
    RecordingDialogs dialogs;
    fahuo::Program program(Options(dir), &dialogs);
    int ended = 0;
    program.SetEndProgram([&]() { ++ended; });
    program.Start();
    program.Controls().SetText(QStringLiteral("编辑框_卖家旺旺"), QStringLiteral("关门前写的"));

    // Inside the fourth wait of the cycle the seller closes the window and answers No.
    int waits = 0;
    clock.onDelay = [&](int) {
        if (++waits == 4) {
            dialogs.answers = {false};
            program.Window().close();
        }
    };
    auto* start = program.Window().findChild<QPushButton*>(QStringLiteral("按钮_开始"));
    QTest::mouseClick(start, Qt::LeftButton);  // returns only once the cycle has stopped

    QCOMPARE(ended, 1);
    QCOMPARE(dialogs.questions, QStringList({QStringLiteral("提示|是否最小化？")}));
    QVERIFY(!program.Engine().cycle().Running());
    QCOMPARE(start->text(), QStringLiteral("工作中"));
    QVERIFY(!start->isEnabled());
    QFile saved(dir.filePath(QStringLiteral("confi.ini")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(
        saved.readAll().contains("\xb9\xd8\xc3\xc5\xc7\xb0\xd0\xb4\xb5\xc4"));  // 关门前写的, GBK
}

void ProgramTest::minimisingLeavesTheCycleRunning() {
    VirtualClock clock;
    fahuo::test::ScopedProgramClock useClock(&clock);
    QTemporaryDir dir;
    RecordingDialogs dialogs;
    fahuo::Program program(Options(dir), &dialogs);
    int ended = 0;
    program.SetEndProgram([&]() { ++ended; });
    program.Start();
    program.Window().SetTrayAvailable(true);

    int waits = 0;
    int waitsWhileHidden = 0;
    clock.onDelay = [&](int) {
        ++waits;
        if (program.Window().isHidden())
            ++waitsWhileHidden;
        if (waits == 2) {
            dialogs.answers = {true};
            program.Window().close();
        }
        if (waits == 12) {
            dialogs.answers = {false};
            program.Window().show();
            program.Window().close();
        }
    };
    QTest::mouseClick(program.Window().findChild<QPushButton*>(QStringLiteral("按钮_开始")),
                      Qt::LeftButton);
    QCOMPARE(ended, 1);
    QVERIFY(waitsWhileHidden >= 9);
}

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
