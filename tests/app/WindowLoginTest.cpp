#include <QComboBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>

#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/WidgetControls.h"
#include "store/StoreModule.h"
#include "support/RecordingDialogs.h"
#include "taobao/TaobaoSim.h"

// The seller's first minutes, in the real window against taobao-sim: the browser on page 1
// opens the login page, logging in hides it and shows the on-sale group, and 按钮18 lists the
// shop's titles.
class WindowLoginTest : public QObject {
    Q_OBJECT
  private slots:
    void loginRevealsPageOneAndFetchesTitles();
    void deliversAnOrderEndToEnd();

  private:
    // Logs in through the window's browser; false when the browser did not hide in time.
    static bool LogIn(fahuo::Program& program);
};

bool WindowLoginTest::LogIn(fahuo::Program& program) {
    auto* browser = program.Window().findChild<QWebEngineView*>(QStringLiteral("互联网浏览器1"));
    QSignalSpy loaded(browser, &QWebEngineView::loadFinished);
    if (!loaded.wait(60000))
        return false;
    browser->page()->runJavaScript(
        QStringLiteral("document.getElementById('TPL_username').value = 'demo';"
                       "document.getElementById('TPL_password').value = 'demo';"
                       "document.getElementById('login-form').submit();"));
    return QTest::qWaitFor([&]() { return browser->isHidden(); }, 60000);
}

void WindowLoginTest::loginRevealsPageOneAndFetchesTitles() {
    fahuo::test::TaobaoSim sim;
    QVERIFY2(
        sim.Start({QStringLiteral("--shop"),
                   fahuo::test::SourcePath(QStringLiteral("tools/taobao-sim/demo-shop.json"))}),
        qPrintable(sim.error()));
    QTemporaryDir dir;
    fahuo::test::RecordingDialogs dialogs;
    fahuo::ProgramOptions options;
    options.dataDir = dir.path();
    options.taobaoBase = sim.Base();
    options.findQianniu = false;
    fahuo::Program program(options, &dialogs);
    program.SetEndProgram([]() {});
    auto* browser = program.Window().findChild<QWebEngineView*>(QStringLiteral("互联网浏览器1"));
    QVERIFY(browser);
    QSignalSpy loaded(browser, &QWebEngineView::loadFinished);
    program.Start();
    QTRY_VERIFY_WITH_TIMEOUT(loaded.size() >= 1, 60000);
    QCOMPARE(browser->url().path(), QStringLiteral("/member/login.jhtml"));
    QWidget* onSale = program.Window().Control(QStringLiteral("分组框_取得淘宝上在售产品名"));
    QVERIFY(browser->isVisible());
    QVERIFY(onSale->visibleRegion().isEmpty());  // covered by the browser

    browser->page()->runJavaScript(
        QStringLiteral("document.getElementById('TPL_username').value = 'demo';"
                       "document.getElementById('TPL_password').value = 'demo';"
                       "document.getElementById('login-form').submit();"));
    QTRY_VERIFY_WITH_TIMEOUT(browser->isHidden(), 60000);
    QVERIFY(!onSale->visibleRegion().isEmpty());

    QStringList titles;
    for (const QJsonValue& item : sim.Items())
        titles.append(item.toObject().value(QStringLiteral("title")).toString());
    QVERIFY(!titles.isEmpty());
    QTest::mouseClick(program.Window().findChild<QPushButton*>(QStringLiteral("按钮18")),
                      Qt::LeftButton);
    const QString combo = QStringLiteral("组合框_在售产品");
    QTRY_COMPARE_WITH_TIMEOUT(program.Controls().Items(combo), titles, 30000);
    QCOMPARE(program.Controls().Text(combo), QStringLiteral("有了！请选择"));
    QCOMPARE(dialogs.messages, QStringList());
}

// A seller sets up a direct-count product and its keys through the window, logs in, presses
// start: the paid order is delivered, shipped on the shop and counted.
void WindowLoginTest::deliversAnOrderEndToEnd() {
    fahuo::test::TaobaoSim sim;
    QVERIFY2(
        sim.Start({QStringLiteral("--shop"),
                   fahuo::test::SourcePath(QStringLiteral("tools/taobao-sim/demo-shop.json"))}),
        qPrintable(sim.error()));
    QTemporaryDir dir;
    fahuo::test::RecordingDialogs dialogs;
    fahuo::ProgramOptions options;
    options.dataDir = dir.path();
    options.taobaoBase = sim.Base();
    options.findQianniu = false;
    fahuo::Program program(options, &dialogs);
    program.SetEndProgram([]() {});
    program.Start();
    fahuo::WidgetControls& c = program.Controls();
    QVERIFY(LogIn(program));

    const QString title = QStringLiteral("QQ会员 一个月 自动发货");
    auto* method = program.Window().findChild<QComboBox*>(QStringLiteral("组合框_产品方式"));
    method->setCurrentIndex(method->findText(QStringLiteral("直接计数")));
    emit method->activated(method->currentIndex());
    c.SetText(QStringLiteral("组合框_产品产品"), title);
    c.SetText(QStringLiteral("编辑框_产品最低价"), QStringLiteral("1"));
    c.SetText(QStringLiteral("编辑框_产品最低价天"), QStringLiteral("1"));
    c.SetText(QStringLiteral("编辑框_产品赠送数"), QStringLiteral("0"));
    program.Window().findChild<QPushButton*>(QStringLiteral("按钮_产品进产品表"))->click();
    c.SetText(QStringLiteral("组合框_直接计数产品"), title);
    dialogs.clipboard = QStringLiteral("Q1001\r\nQ1002\r\nQ1003\r\n");
    program.Window().findChild<QPushButton*>(QStringLiteral("按钮_粘贴Q"))->click();
    QCOMPARE(dialogs.messages, QStringList({QStringLiteral("添加记录成功"),
                                            QStringLiteral("添加记录成功！共加：3个")}));
    c.SetTicked(QStringLiteral("选择框_发送邮件开关"), false);
    c.SetTicked(QStringLiteral("选择框_发千牛消息开关"), false);
    c.SetText(QStringLiteral("编辑框_发后延迟"), QStringLiteral("500"));

    // The cycle runs inside the click; once the order is counted the seller closes the program.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&]() {
        if (c.Text(QStringLiteral("标签_成功次数")) == QStringLiteral("1")) {
            watch.stop();
            dialogs.answers = {false};
            program.Window().close();
        }
    });
    watch.start(100);
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [&]() {
        dialogs.answers = {false};
        program.Window().close();
    });
    giveUp.start(120000);
    program.Window().findChild<QPushButton*>(QStringLiteral("按钮_开始"))->click();

    QCOMPARE(c.Text(QStringLiteral("标签_成功次数")), QStringLiteral("1"));
    QCOMPARE(c.Text(QStringLiteral("标签_总金额")), QStringLiteral("24"));  // 12 × 2
    const QJsonArray consignments = sim.Consignments();
    QCOMPARE(consignments.size(), 1);
    const QString view = QStringLiteral("超级列表框_直接计数");
    program.Store().RefreshCountKeyView();
    QStringList used;
    for (int r = 0; r < c.RowCount(view); ++r)
        used.append(c.Cell(view, r, 2) + QLatin1Char(':') + c.Cell(view, r, 3) + QLatin1Char(':') +
                    c.Cell(view, r, 4));
    QCOMPARE(used, QStringList({"Q1001:已用:青鸾买家", "Q1002:已用:青鸾买家", "Q1003:未用:"}));
}

QTEST_MAIN(WindowLoginTest)
#include "WindowLoginTest.moc"
