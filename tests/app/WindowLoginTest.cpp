#include <QComboBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/WidgetControls.h"
#include "support/RecordingDialogs.h"
#include "taobao/TaobaoSim.h"

// The seller's first minutes, in the real window against taobao-sim: the browser on page 1
// opens the login page, logging in hides it and shows the on-sale group, and 按钮18 lists the
// shop's titles.
class WindowLoginTest : public QObject {
    Q_OBJECT
  private slots:
    void loginRevealsPageOneAndFetchesTitles();
};

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

QTEST_MAIN(WindowLoginTest)
#include "WindowLoginTest.moc"
