#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/SettingsFile.h"
#include "app/WidgetControls.h"
#include "support/RecordingDialogs.h"

using fahuo::MainWindow;
using fahuo::WidgetControls;
using fahuo::test::RecordingDialogs;

namespace {

const QString kTitleHint = QStringLiteral("请从淘宝后台编辑产品时复制标题过来，或登录后点获取");

// The widget a double-click lands on for a box.
QWidget* ClickTarget(QWidget* box) {
    if (auto* memo = qobject_cast<QPlainTextEdit*>(box))
        return memo->viewport();
    if (auto* combo = qobject_cast<QComboBox*>(box))
        return combo->lineEdit();
    return box;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void captionAndSize();
    void pagesInOrder_data();
    void pagesInOrder();
    void controlsWithDefaults_data();
    void controlsWithDefaults();
    void switchesAtStart();
    void everySettingsKeyIsAnEditBox();
    void countingAttachmentTicksKeySwitch();
    void collapseAndExpand_data();
    void collapseAndExpand();
    void doubleClickEmpties_data();
    void doubleClickEmpties();
    void doubleClickLeavesOtherBoxes_data();
    void doubleClickLeavesOtherBoxes();
    void promotionalLinkAndPicture();
    void placeholderLabelsAppend_data();
    void placeholderLabelsAppend();
    void closingYesGoesToTray();
    void closingYesWithoutTrayMinimises();
    void closingNoSavesSettings();
    void settingsRoundTripThroughTheWindow();
    void browserCoversPageOne();

  private:
    RecordingDialogs* dialogs_ = nullptr;
    MainWindow* window_ = nullptr;
    WidgetControls* controls_ = nullptr;
};

void MainWindowTest::init() {
    dialogs_ = new RecordingDialogs;
    window_ = new MainWindow(*dialogs_);
    controls_ = new WidgetControls(window_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void MainWindowTest::cleanup() {
    delete controls_;
    delete window_;
    delete dialogs_;
}

void MainWindowTest::captionAndSize() {
    QCOMPARE(window_->objectName(), QStringLiteral("窗口"));
    QCOMPARE(
        window_->windowTitle(),
        QStringLiteral(
            "青鸾自动发货软件V3  使用时电脑要安装千牛并打开 点一下监控淘宝窗口上登录一下 点开始"));
    QCOMPARE(window_->size(), QSize(884, 589));
    QCOMPARE(window_->Control(QStringLiteral("分组框1"))->y(), 536);
    QCOMPARE(window_->Tabs()->objectName(), QStringLiteral("选择夹2"));
}

void MainWindowTest::pagesInOrder_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    const QStringList captions = {
        "监控淘宝",     "数据库及加订单设置",   "随机发件箱添加", "淘宝后台产品添加过来",
        "发送卡密添加", "直接计数如卖QQ号添加", "有关青鸾代理"};
    for (int i = 0; i < captions.size(); ++i)
        QTest::newRow(qPrintable(captions.at(i))) << i << captions.at(i);
}

void MainWindowTest::pagesInOrder() {
    QFETCH(int, index);
    QFETCH(QString, caption);
    QCOMPARE(window_->Tabs()->count(), 7);
    QCOMPARE(window_->Tabs()->tabText(index), caption);
}

// name, class, text at start (edit text, caption or title), page (1-based, 0: status strip).
void MainWindowTest::controlsWithDefaults_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("page");
    auto row = [](const char* name, const char* cls, const QString& text, int page) {
        QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(cls) << text << page;
    };
    const char* E = "QLineEdit";
    const char* M = "QPlainTextEdit";
    const char* C = "QComboBox";
    const char* B = "QPushButton";
    const char* L = "QLabel";
    const char* G = "QGroupBox";
    const char* X = "QCheckBox";
    const char* V = "QTableView";
    // Status strip.
    row("编辑框_发后延迟", E, "60000", 0);
    row("标签_成功次数", L, "0", 0);
    row("标签_总金额", L, "0", 0);
    row("按钮1", B, "<<收缩", 0);
    // Page 1.
    row("按钮_开始", B, "先在下面登录后点我开始工作！", 1);
    row("分组框_取得淘宝上在售产品名", G, "取得淘宝上出售中宝贝产品名", 1);
    row("按钮18", B, "监控淘宝中登录淘宝后点我查第一页在售产品标题和ID单价", 1);
    row("组合框_在售产品", C, "", 1);
    row("按钮3", B, "复制", 1);
    // Page 2.
    row("选择框_发千牛消息开关", X, "发千牛消息开关", 2);
    row("选择框_发送邮件开关", X, "发送邮件开关", 2);
    row("选择框_淘宝发货开关", X, "淘宝发货开关", 2);
    row("选择框_网验开关", X, "网络验证开关", 2);
    row("选择框_发卡开关", X, "发卡开关", 2);
    row("选择框_量大生附件", X, "直接计数>=         个时自动生成附件并发送到邮箱", 2);
    row("编辑框_量大生附件", E, "100", 2);
    row("分组框_试发千牛", G, "试发千牛-左边是卖家旺旺", 2);
    row("编辑框_接受", E, "买家旺旺", 2);
    row("标签_打开千牛延时", L, "延时          ms", 2);
    row("编辑框_千牛延时", E, "3000", 2);
    row("按钮_试发千牛", B, "试发千牛OK", 2);
    row("分组框_wwcmd", G, "自动检查电脑有没有安装千牛", 2);
    row("组合框_wwcmd", C, "", 2);
    row("编辑框_wwcmd", E, "AliWorkbench", 2);
    row("分组框6", G,
        "数据库-(网站要加订单用)-第一个表是计数计时网验用的如卖IP，后一个是计时网验用的("
        "如卖自己写的软件)",
        2);
    row("编辑框_数据库用户名1", E, "", 2);
    row("编辑框_数据库密码1", E, "", 2);
    row("编辑框_数据库名1", E, "", 2);
    row("编辑框_数据库端口1", E, "", 2);
    row("编辑框_数据库订单表", E, "proxy_proxy_order", 2);
    row("编辑框_计时网验数据库", E, "daili", 2);
    row("编辑框_计时网验数据表", E, "yonghu", 2);
    row("按钮2", B, "测试数据库连接", 2);
    row("分组框29", G, "替换产品名：不可恢复！", 2);
    row("编辑框_产品旧", E, "", 2);
    row("编辑框_产品新", E, "", 2);
    row("按钮4", B, "替换", 2);
    // Page 3.
    row("超级列表框_发件箱", V, "", 3);
    row("组合框_发件箱产品", C, kTitleHint, 3);
    row("按钮8", B, "获取", 3);
    row("编辑框_发件箱发件箱", E, "发件箱", 3);
    row("编辑框_发件箱密码", E, "密码", 3);
    row("编辑框_发件箱邮箱服务器", E, "邮箱服务器", 3);
    row("编辑框_发件箱端口", E, "25", 3);
    row("标签3", L, "延时           毫秒", 3);
    row("编辑框_发件箱延时", E, "5000", 3);
    row("按钮25", B, "添加", 3);
    row("按钮23", B, "批量粘贴", 3);
    row("按钮_修改发件箱", B, "修改选中", 3);
    row("按钮24", B, "删除选中", 3);
    row("按钮20", B, "全部删除", 3);
    row("按钮35", B, "导出", 3);
    row("编辑框6", E, "产品", 3);
    row("编辑框1", E, "daili", 3);
    row("编辑框2", E, "1", 3);
    row("编辑框3", E, "20", 3);
    row("按钮26", B, "批量生成企业邮箱", 3);
    row("分组框17", G, "试发一封信", 3);
    row("编辑框7", E, "收信人", 3);
    row("编辑框8", E, "标题", 3);
    row("标签40", L, "邮箱附件文件名：", 3);
    row("编辑框10", E, "青鸾代理软件使用说明.doc", 3);
    row("按钮27", B, "试发一信", 3);
    // Page 4.
    row("超级列表框_发货", V, "", 4);
    row("组合框_产品产品", C, kTitleHint, 4);
    row("组合框_产品方式", C, "请先选择方式", 4);
    row("按钮7", B, "获取", 4);
    row("按钮11", B, "复制", 4);
    row("按钮12", B, "粘贴", 4);
    row("按钮_产品进产品表", B, "添加", 4);
    row("按钮_产品修改", B, "修改选中", 4);
    row("按钮_删除选中产品", B, "删除选中", 4);
    row("按钮_清空产品表", B, "全部删除", 4);
    row("标签78", L, "方式选好后，红色文字可写！产品名称不能雷同", 4);
    row("超级链接框_帮助", L, " 分享有礼-青鸾代理-与您共同进步！", 4);
    row("分组框25", G, "赠数时天", 4);
    row("编辑框_产品最低价", E, "钱1", 4);
    row("编辑框_产品最低价数量", E, "最低价数量", 4);
    row("编辑框_产品最低价天", E, "货1", 4);
    row("编辑框_产品赠送数", E, "赠送数", 4);
    row("编辑框_产品赠送时", E, "赠送时", 4);
    row("编辑框_产品赠送天", E, "赠送天", 4);
    row("编辑框_产品价格二", E, "钱2", 4);
    row("编辑框_产品价格二天", E, "货2", 4);
    row("编辑框_产品价格三", E, "钱3", 4);
    row("编辑框_产品价格三天", E, "货3", 4);
    row("编辑框_产品价格四", E, "钱4", 4);
    row("编辑框_产品价格四天", E, "货4", 4);
    row("编辑框_产品价格五", E, "钱5", 4);
    row("编辑框_产品价格五天", E, "货5", 4);
    row("编辑框_产品价格六", E, "钱6", 4);
    row("编辑框_产品价格六天", E, "货6", 4);
    row("编辑框_产品价格七", E, "钱7", 4);
    row("编辑框_产品价格七天", E, "货7", 4);
    row("编辑框_产品下载", E, "下载地址", 4);
    row("编辑框_产品发件箱", E, "产品id", 4);
    row("编辑框_产品收件箱", M, "千牛内容，和邮件变量不同的啦", 4);
    row("编辑框_产品邮件标题", E, "邮件标题，变量在上面", 4);
    row("编辑框_产品邮件内容", M, "邮件内容，左面是变量，边写边加", 4);
    row("编辑框_产品邮件附件", E, "邮件附件完整文件名（含后缀）", 4);
    const char* labels[][2] = {
        {"标签53", "淘宝订单"}, {"标签51", "产品名称"}, {"标签49", "卖家旺旺"},
        {"标签52", "买家旺旺"}, {"标签50", "卡号密码"}, {"标签58", "购买的Q"},
        {"标签61", "下载地址"}, {"标签62", "附件全名"}, {"标签65", "握手"},
        {"标签66", "小二"},     {"标签64", "OK"},       {"标签67", "恭喜发财"},
        {"标签56", "产品名称"}, {"标签54", "掌柜旺旺"}, {"标签55", "买家旺旺"},
        {"标签42", "淘宝订单"}, {"标签46", "产品名称"}, {"标签48", "卖家旺旺"},
        {"标签43", "买家旺旺"}, {"标签47", "卡号密码"}, {"标签57", "购买的Q"},
        {"标签38", "下载地址"}, {"标签60", "附件全名"}};
    for (const auto& label : labels)
        row(label[0], L, QString::fromUtf8(label[1]), 4);
    // Page 5.
    row("超级列表框_卡密", V, "", 5);
    row("组合框_卡密产品", C, kTitleHint, 5);
    row("编辑框_卡密卡密", E, "卡密", 5);
    row("编辑框_卡密卡期", E, "卡期只能数字", 5);
    row("组合框_卡密使用", C, "请选择", 5);
    row("编辑框_卡密买家", E, "买家", 5);
    row("按钮9", B, "获取", 5);
    row("按钮13", B, "添加", 5);
    row("按钮_粘贴卡密", B, "批量粘贴算未用", 5);
    row("按钮_修改卡密", B, "修改选中", 5);
    row("按钮_删除选中卡", B, "删除选中", 5);
    row("按钮_清空卡密", B, "全部删除", 5);
    row("按钮28", B, "导出已用", 5);
    row("按钮14", B, "导出未用", 5);
    row("按钮19", B, "导出全部", 5);
    row("分组框19", G, "高级导出", 5);
    row("编辑框16", E, "产品", 5);
    row("编辑框14", E, "=", 5);
    row("编辑框15", E, "产品2", 5);
    row("按钮10", B, "高级导出", 5);
    row("分组框18", G, "高级删除", 5);
    row("编辑框11", E, "产品", 5);
    row("编辑框13", E, "=", 5);
    row("编辑框12", E, "产品2", 5);
    row("按钮30", B, "高级删除", 5);
    row("按钮15", B, "复制", 5);
    row("按钮16", B, "粘贴", 5);
    row("分组框26", G, "卡密添加修改", 5);
    row("分组框10", G, "导出到软件文件夹", 5);
    // Page 6.
    row("分组框12", G, "直接计数：一个一个地卖，如卖QQ号", 6);
    row("超级列表框_直接计数", V, "", 6);
    row("组合框_直接计数产品", C, kTitleHint, 6);
    row("编辑框_直接计数卡密", E, "卡密", 6);
    row("组合框_直接计数使用", C, "请选择", 6);
    row("编辑框_直接计数买家", E, "买家", 6);
    row("按钮17", B, "获取", 6);
    row("按钮5", B, "添加Q", 6);
    row("按钮_粘贴Q", B, "批量粘贴Q算未用", 6);
    row("按钮_修改选中Q", B, "修改选中", 6);
    row("按钮_删除选中Q", B, "删除选中", 6);
    row("按钮_清空Q", B, "全部删除", 6);
    row("按钮32", B, "导出已用", 6);
    row("按钮31", B, "导出未用", 6);
    row("按钮29", B, "导出全部", 6);
    row("分组框20", G, "高级导出", 6);
    row("编辑框19", E, "产品", 6);
    row("编辑框17", E, "=", 6);
    row("编辑框18", E, "产品2", 6);
    row("按钮33", B, "高级导出", 6);
    row("分组框21", G, "高级删除", 6);
    row("编辑框22", E, "产品", 6);
    row("编辑框20", E, "=", 6);
    row("编辑框21", E, "产品2", 6);
    row("按钮34", B, "高级删除", 6);
    row("按钮21", B, "复制", 6);
    row("按钮22", B, "粘贴", 6);
}

void MainWindowTest::controlsWithDefaults() {
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, text);
    QFETCH(int, page);
    const QList<QWidget*> found = window_->findChildren<QWidget*>(name);
    QCOMPARE(found.size(), 1);
    QWidget* control = found.first();
    QVERIFY2(control->inherits(className.toUtf8()), control->metaObject()->className());
    QCOMPARE(controls_->Text(name), text);
    if (auto* combo = qobject_cast<QComboBox*>(control))
        QVERIFY(combo->isEditable());
    // On its page (or in the strip).
    QWidget* home =
        page == 0 ? window_->Control(QStringLiteral("分组框1")) : window_->Tabs()->widget(page - 1);
    QVERIFY(home->isAncestorOf(control));
}

void MainWindowTest::switchesAtStart() {
    for (const char* ticked : {"选择框_发千牛消息开关", "选择框_发送邮件开关",
                               "选择框_淘宝发货开关", "选择框_发卡开关", "选择框_量大生附件"})
        QVERIFY2(controls_->Ticked(QString::fromUtf8(ticked)), ticked);
    QVERIFY(!controls_->Ticked(QStringLiteral("选择框_网验开关")));
    QCOMPARE(controls_->Items(QStringLiteral("组合框_产品方式")),
             QStringList({"直接下载", "直接计数", "卡密有卡期", "计时网验", "计数计时网验",
                          "卡密多规格可多张"}));
    QCOMPARE(controls_->Items(QStringLiteral("组合框_卡密使用")), QStringList({"未用", "已用"}));
    QCOMPARE(controls_->Items(QStringLiteral("组合框_直接计数使用")),
             QStringList({"未用", "已用"}));
}

void MainWindowTest::everySettingsKeyIsAnEditBox() {
    QSet<QString> boxes;
    for (QLineEdit* edit : window_->findChildren<QLineEdit*>()) {
        if (!qobject_cast<QComboBox*>(edit->parentWidget()))
            boxes.insert(edit->objectName());
    }
    for (QPlainTextEdit* memo : window_->findChildren<QPlainTextEdit*>())
        boxes.insert(memo->objectName());
    const QStringList& keys = fahuo::SettingsKeys();
    QCOMPARE(boxes, QSet<QString>(keys.begin(), keys.end()));
}

void MainWindowTest::countingAttachmentTicksKeySwitch() {
    auto* attachment = window_->findChild<QCheckBox*>(QStringLiteral("选择框_量大生附件"));
    auto* keySwitch = window_->findChild<QCheckBox*>(QStringLiteral("选择框_发卡开关"));
    window_->Tabs()->setCurrentIndex(1);
    const QPoint onBox(8, attachment->height() / 2);
    for (bool expectTicked : {false, true}) {
        keySwitch->setChecked(false);
        QTest::mouseClick(attachment, Qt::LeftButton, {}, onBox);
        QCOMPARE(attachment->isChecked(), expectTicked);
        QVERIFY(keySwitch->isChecked());
    }
    // The count box in the caption's gap is its own control: typing there ticks nothing.
    keySwitch->setChecked(false);
    auto* count = window_->findChild<QLineEdit*>(QStringLiteral("编辑框_量大生附件"));
    QTest::mouseClick(count, Qt::LeftButton);
    QVERIFY(!keySwitch->isChecked());
    QVERIFY(attachment->geometry().contains(count->geometry()));
}

void MainWindowTest::collapseAndExpand_data() {
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("stripTop");
    QTest::addColumn<QString>("caption");
    QTest::newRow("first click from 589 expands") << 1 << 603 << 536 << QStringLiteral("<<收缩");
    QTest::newRow("second click collapses") << 2 << 70 << -5 << QStringLiteral("展开>>");
    QTest::newRow("third click expands again") << 3 << 603 << 536 << QStringLiteral("<<收缩");
}

void MainWindowTest::collapseAndExpand() {
    QFETCH(int, clicks);
    QFETCH(int, height);
    QFETCH(int, stripTop);
    QFETCH(QString, caption);
    auto* button = window_->findChild<QPushButton*>(QStringLiteral("按钮1"));
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(window_->height(), height);
    QCOMPARE(window_->Control(QStringLiteral("分组框1"))->y(), stripTop);
    QCOMPARE(button->text(), caption);
    // Collapsed or not, the strip's controls are on screen.
    const QRect client = window_->rect();
    QVERIFY(client.contains(QRect(button->mapTo(window_, QPoint()), button->size())));
}

void MainWindowTest::doubleClickEmpties_data() {
    QTest::addColumn<QString>("name");
    const QStringList emptied = {"编辑框_卖家旺旺",
                                 "编辑框_旺旺内容",
                                 "编辑框_接受",
                                 "编辑框_千牛延时",
                                 "组合框_发件箱产品",
                                 "编辑框_发件箱发件箱",
                                 "编辑框_发件箱密码",
                                 "编辑框_发件箱邮箱服务器",
                                 "编辑框_发件箱端口",
                                 "编辑框_发件箱延时",
                                 "编辑框1",
                                 "编辑框2",
                                 "编辑框3",
                                 "编辑框_企业邮箱后缀",
                                 "编辑框5",
                                 "编辑框6",
                                 "编辑框7",
                                 "编辑框8",
                                 "编辑框9",
                                 "编辑框10",
                                 "组合框_产品产品",
                                 "编辑框_产品发件箱",
                                 "编辑框_产品下载",
                                 "编辑框_产品邮件标题",
                                 "编辑框_产品邮件内容",
                                 "编辑框_产品邮件附件",
                                 "编辑框_产品收件箱",
                                 "编辑框_产品最低价",
                                 "编辑框_产品最低价天",
                                 "编辑框_产品最低价数量",
                                 "编辑框_产品价格二",
                                 "编辑框_产品价格二天",
                                 "编辑框_产品价格三",
                                 "编辑框_产品价格三天",
                                 "编辑框_产品价格四",
                                 "编辑框_产品价格四天",
                                 "编辑框_产品价格五",
                                 "编辑框_产品价格五天",
                                 "编辑框_产品价格六",
                                 "编辑框_产品价格六天",
                                 "编辑框_产品价格七",
                                 "编辑框_产品价格七天",
                                 "编辑框_产品赠送数",
                                 "编辑框_产品赠送时",
                                 "编辑框_产品赠送天",
                                 "组合框_卡密产品",
                                 "编辑框_卡密卡密",
                                 "编辑框_卡密卡期",
                                 "编辑框_卡密买家",
                                 "组合框_直接计数产品",
                                 "编辑框_直接计数卡密",
                                 "编辑框_直接计数买家"};
    QCOMPARE(emptied.size(), 52);
    for (const QString& name : emptied)
        QTest::newRow(qPrintable(name)) << name;
}

void MainWindowTest::doubleClickEmpties() {
    QFETCH(QString, name);
    QWidget* box = window_->Control(name);
    QVERIFY(box);
    for (int page = 0; page < window_->Tabs()->count(); ++page) {
        if (window_->Tabs()->widget(page)->isAncestorOf(box))
            window_->Tabs()->setCurrentIndex(page);
    }
    controls_->SetText(name, QStringLiteral("要清空的字"));
    const QStringList itemsBefore = controls_->Items(name);
    QTest::mouseDClick(ClickTarget(box), Qt::LeftButton);
    QCOMPARE(controls_->Text(name), QString());
    QCOMPARE(controls_->Items(name), itemsBefore);
}

void MainWindowTest::doubleClickLeavesOtherBoxes_data() {
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"编辑框_发后延迟", "编辑框_量大生附件", "编辑框_wwcmd", "编辑框_数据库订单表", "编辑框16",
          "编辑框_产品旧", "编辑框4", "组合框_卡密使用", "组合框_在售产品"})
        QTest::newRow(name) << QString::fromUtf8(name);
}

void MainWindowTest::doubleClickLeavesOtherBoxes() {
    QFETCH(QString, name);
    QWidget* box = window_->Control(name);
    QVERIFY(box);
    for (int page = 0; page < window_->Tabs()->count(); ++page) {
        if (window_->Tabs()->widget(page)->isAncestorOf(box))
            window_->Tabs()->setCurrentIndex(page);
    }
    controls_->SetText(name, QStringLiteral("留着"));
    QTest::mouseDClick(ClickTarget(box), Qt::LeftButton);
    QCOMPARE(controls_->Text(name), QStringLiteral("留着"));
}

void MainWindowTest::promotionalLinkAndPicture() {
    window_->Tabs()->setCurrentIndex(3);
    QTest::mousePress(window_->Control(QStringLiteral("超级链接框_帮助")), Qt::LeftButton);
    window_->Tabs()->setCurrentIndex(1);
    QTest::mousePress(window_->Control(QStringLiteral("图片框1")), Qt::LeftButton);
    QCOMPARE(dialogs_->opened, QStringList({QStringLiteral("https://example.com/fahuo/share"),
                                            QStringLiteral("https://example.com/fahuo")}));
    // A right-button press opens nothing.
    QTest::mousePress(window_->Control(QStringLiteral("图片框1")), Qt::RightButton);
    QCOMPARE(dialogs_->opened.size(), 2);
}

void MainWindowTest::placeholderLabelsAppend_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("appended");
    QTest::newRow("chat order number") << "标签53"
                                       << "编辑框_产品收件箱"
                                       << "{niu_bianhao}";
    QTest::newRow("chat handshake") << "标签65"
                                    << "编辑框_产品收件箱"
                                    << "/:)-(";
    QTest::newRow("chat OK") << "标签64"
                             << "编辑框_产品收件箱"
                             << "/:(OK)";
    QTest::newRow("chat fortune") << "标签67"
                                  << "编辑框_产品收件箱"
                                  << "/:803";
    QTest::newRow("subject shopkeeper") << "标签54"
                                        << "编辑框_产品邮件标题"
                                        << "{title_myWang}";
    QTest::newRow("subject buyer") << "标签55"
                                   << "编辑框_产品邮件标题"
                                   << "{title_buyWang}";
    QTest::newRow("body keys") << "标签47"
                               << "编辑框_产品邮件内容"
                               << "{email_kami}";
    QTest::newRow("body attachment") << "标签60"
                                     << "编辑框_产品邮件内容"
                                     << "{email_fujian}";
}

void MainWindowTest::placeholderLabelsAppend() {
    QFETCH(QString, label);
    QFETCH(QString, box);
    QFETCH(QString, appended);
    window_->Tabs()->setCurrentIndex(3);
    const bool multiLine = qobject_cast<QPlainTextEdit*>(window_->Control(box)) != nullptr;
    const QString before = multiLine ? QStringLiteral("亲，\r\n第二行") : QStringLiteral("亲，");
    controls_->SetText(box, before);
    // The caret at the start: the text still goes to the end.
    if (auto* memo = qobject_cast<QPlainTextEdit*>(window_->Control(box)))
        memo->moveCursor(QTextCursor::Start);
    else
        qobject_cast<QLineEdit*>(window_->Control(box))->setCursorPosition(0);
    QTest::mousePress(window_->Control(label), Qt::LeftButton);
    QCOMPARE(controls_->Text(box), before + appended);
}

void MainWindowTest::closingYesGoesToTray() {
    window_->SetTrayAvailable(true);
    bool shutDown = false;
    window_->SetShutdown([&]() { shutDown = true; });
    controls_->SetText(QStringLiteral("标签_成功次数"), QStringLiteral("3"));
    dialogs_->answers = {true};
    QVERIFY(!window_->close());
    QCOMPARE(dialogs_->questions, QStringList({QStringLiteral("提示|是否最小化？")}));
    QVERIFY(!shutDown);
    QVERIFY(window_->isHidden());
    QCOMPARE(window_->Tray()->toolTip(), QStringLiteral("已经成功交易3笔生意"));

    // Only a double-click on the tray icon brings it back.
    emit window_->Tray()->activated(QSystemTrayIcon::Trigger);
    QVERIFY(window_->isHidden());
    emit window_->Tray()->activated(QSystemTrayIcon::DoubleClick);
    QVERIFY(window_->isVisible());
    QVERIFY(!window_->Tray()->isVisible());

    // Before any delivery the tip carries 0.
    controls_->SetText(QStringLiteral("标签_成功次数"), QStringLiteral("0"));
    dialogs_->answers = {true};
    window_->close();
    QCOMPARE(window_->Tray()->toolTip(), QStringLiteral("已经成功交易0笔生意"));
}

void MainWindowTest::closingYesWithoutTrayMinimises() {
    window_->SetTrayAvailable(false);
    dialogs_->answers = {true};
    QVERIFY(!window_->close());
    QVERIFY(window_->isVisible());
    QVERIFY(window_->isMinimized());
    QVERIFY(!window_->Tray()->isVisible());
}

void MainWindowTest::closingNoSavesSettings() {
    QTemporaryDir dir;
    RecordingDialogs dialogs;
    fahuo::ProgramOptions options;
    options.dataDir = dir.path();
    options.withBrowser = false;
    options.findQianniu = false;
    options.taobaoBase = QStringLiteral("http://127.0.0.1:9");  // nothing listens: refused at once
    fahuo::Program program(options, &dialogs);
    int ended = 0;
    program.SetEndProgram([&]() { ++ended; });
    program.Start();
    program.Controls().SetText(QStringLiteral("编辑框_发后延迟"), QStringLiteral("45000"));
    program.Controls().SetText(QStringLiteral("编辑框_产品邮件内容"), QStringLiteral("一\r\n二"));
    dialogs.answers = {false};
    QVERIFY(program.Window().close());
    QCOMPARE(ended, 1);

    fahuo::test::RecordingDialogs again;
    MainWindow next(again);
    WidgetControls controls(&next);
    QVERIFY(fahuo::LoadSettings(controls, dir.filePath(QStringLiteral("confi.ini"))));
    QCOMPARE(controls.Text(QStringLiteral("编辑框_发后延迟")), QStringLiteral("45000"));
    QCOMPARE(controls.Text(QStringLiteral("编辑框_产品邮件内容")), QStringLiteral("一\r\n二"));
}

void MainWindowTest::settingsRoundTripThroughTheWindow() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("confi.ini"));
    const QString body = QStringLiteral("亲：\r\n卡密 {email_kami}\r\n\r\n  缩进行\r\n谢谢");
    controls_->SetText(QStringLiteral("编辑框_产品邮件内容"), body);
    controls_->SetText(QStringLiteral("编辑框4"), QStringLiteral("自己的说明><br><第二行"));
    controls_->SetText(QStringLiteral("编辑框_卖家旺旺"), QStringLiteral("  店 铺  "));
    controls_->SetText(QStringLiteral("编辑框_接受"), QString());
    controls_->SetTicked(QStringLiteral("选择框_网验开关"), true);
    QVERIFY(fahuo::SaveSettings(*controls_, path));

    RecordingDialogs dialogs;
    MainWindow next(dialogs);
    WidgetControls controls(&next);
    QVERIFY(fahuo::LoadSettings(controls, path));
    QCOMPARE(controls.Text(QStringLiteral("编辑框_产品邮件内容")), body);
    QCOMPARE(controls.Text(QStringLiteral("编辑框4")), QStringLiteral("自己的说明\r\n第二行"));
    QCOMPARE(controls.Text(QStringLiteral("编辑框_卖家旺旺")), QStringLiteral("店 铺"));
    QCOMPARE(controls.Text(QStringLiteral("编辑框_接受")), QStringLiteral("买家旺旺"));
    QVERIFY(!controls.Ticked(QStringLiteral("选择框_网验开关")));
    QCOMPARE(controls.Text(QStringLiteral("编辑框_发后延迟")), QStringLiteral("60000"));
}

void MainWindowTest::browserCoversPageOne() {
    auto* browser = new QWidget;
    window_->SetBrowser(browser);
    QCOMPARE(browser->objectName(), QStringLiteral("互联网浏览器1"));
    QCOMPARE(browser->size(), QSize(840, 408));
    QWidget* onSale = window_->Control(QStringLiteral("分组框_取得淘宝上在售产品名"));
    QVERIFY(browser->geometry().contains(onSale->geometry()));
    QCOMPARE(browser->parentWidget(), window_->Tabs()->widget(0));
    // The start button stays above the browser.
    QVERIFY(
        !browser->geometry().intersects(window_->Control(QStringLiteral("按钮_开始"))->geometry()));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
