#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/WidgetControls.h"
#include "support/RecordingDialogs.h"

using fahuo::test::RecordingDialogs;

// The maintenance pages driven through the real window over a real store file, every message
// box answered (and recorded) by the test.
class WindowStoreTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void unusableStoreIsReported();
    void keyPageThroughTheWindow_data();
    void keyPageThroughTheWindow();
    void methodChoiceAndProductRow();

  private:
    fahuo::ProgramOptions Options() const {
        fahuo::ProgramOptions options;
        options.dataDir = dir_->path();
        options.withBrowser = false;
        options.findQianniu = false;
        options.taobaoBase = QStringLiteral("http://127.0.0.1:9");
        return options;
    }
    void StartProgram() {
        program_ = new fahuo::Program(Options(), &dialogs_);
        program_->SetEndProgram([]() {});
        program_->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&program_->Window()));
    }
    fahuo::WidgetControls& Controls() { return program_->Controls(); }
    // Brings the control's page to the front, as the seller would.
    QWidget* Show(const QString& name) {
        QWidget* w = program_->Window().Control(name);
        QTabWidget* tabs = program_->Window().Tabs();
        for (int page = 0; page < tabs->count(); ++page) {
            if (tabs->widget(page)->isAncestorOf(w))
                tabs->setCurrentIndex(page);
        }
        QCoreApplication::processEvents();
        return w;
    }
    void Click(const QString& button) {
        QTest::mouseClick(qobject_cast<QAbstractButton*>(Show(button)), Qt::LeftButton);
    }
    void ClickRow(const QString& view, int row) {
        auto* table = qobject_cast<QTableView*>(Show(view));
        const QRect cell = table->visualRect(table->model()->index(row, 1));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QString TakeMessage() {
        return dialogs_.messages.isEmpty() ? QString() : dialogs_.messages.takeFirst();
    }

    QTemporaryDir* dir_ = nullptr;
    RecordingDialogs dialogs_;
    fahuo::Program* program_ = nullptr;
};

void WindowStoreTest::init() {
    dir_ = new QTemporaryDir;
    dialogs_ = RecordingDialogs();
}

void WindowStoreTest::cleanup() {
    delete program_;
    program_ = nullptr;
    delete dir_;
}

void WindowStoreTest::unusableStoreIsReported() {
    const QString file = dir_->filePath(QStringLiteral("MDBfahuo.mdb"));
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("this is not a database\r\n");
    }
    fahuo::ProgramOptions options = Options();
    options.findQianniu = true;  // must not start: start-up ends at the store
    program_ = new fahuo::Program(options, &dialogs_);
    program_->SetEndProgram([]() {});
    program_->Start();
    QVERIFY(!program_->StoreOpen());
    QCOMPARE(dialogs_.messages, QStringList({QStringLiteral("连接数据库失败！")}));
    for (const char* view :
         {"超级列表框_发货", "超级列表框_卡密", "超级列表框_直接计数", "超级列表框_发件箱"})
        QCOMPARE(Controls().RowCount(QString::fromUtf8(view)), 0);
    QCOMPARE(Controls().Items(QStringLiteral("组合框_wwcmd")), QStringList());
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("this is not a database\r\n"));

    // The window stays usable: a button of the key page reports its failure.
    dialogs_.messages.clear();
    Controls().SetText(QStringLiteral("组合框_卡密使用"), QStringLiteral("未用"));
    Click(QStringLiteral("按钮13"));
    QCOMPARE(dialogs_.messages,
             QStringList({QStringLiteral("添加记录失败！卡密不能重复，也不能空")}));
}

void WindowStoreTest::keyPageThroughTheWindow_data() {
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("add");
    QTest::addColumn<QString>("paste");
    QTest::addColumn<QString>("modify");
    QTest::addColumn<QString>("remove");
    QTest::newRow("card keys") << "超级列表框_卡密"
                               << "组合框_卡密产品"
                               << "编辑框_卡密卡密"
                               << "组合框_卡密使用"
                               << "按钮13"
                               << "按钮_粘贴卡密"
                               << "按钮_修改卡密"
                               << "按钮_删除选中卡";
    QTest::newRow("count keys") << "超级列表框_直接计数"
                                << "组合框_直接计数产品"
                                << "编辑框_直接计数卡密"
                                << "组合框_直接计数使用"
                                << "按钮5"
                                << "按钮_粘贴Q"
                                << "按钮_修改选中Q"
                                << "按钮_删除选中Q";
}

void WindowStoreTest::keyPageThroughTheWindow() {
    QFETCH(QString, view);
    QFETCH(QString, product);
    QFETCH(QString, key);
    QFETCH(QString, state);
    QFETCH(QString, add);
    QFETCH(QString, paste);
    QFETCH(QString, modify);
    QFETCH(QString, remove);
    StartProgram();
    QVERIFY(program_->StoreOpen());
    QCOMPARE(dialogs_.messages, QStringList());
    const QString title = QStringLiteral("QQ会员 一个月");

    // Add one: the state must be chosen first.
    Controls().SetText(product, QStringLiteral("  ") + title + QStringLiteral("  "));
    Controls().SetText(key, QStringLiteral("it's-a\\key"));
    Click(add);
    QVERIFY(TakeMessage().startsWith(QStringLiteral("使用方式没有选择！")));
    QCOMPARE(Controls().RowCount(view), 0);
    Controls().SetText(state, QStringLiteral("未用"));
    Click(add);
    QCOMPARE(TakeMessage(), QStringLiteral("添加记录成功"));
    QCOMPARE(Controls().RowCount(view), 1);
    QCOMPARE(Controls().Cell(view, 0, 1), title);
    QCOMPARE(Controls().Cell(view, 0, 2), QStringLiteral("it's-a\\key"));

    // Paste: a duplicate is refused silently, a last key without a line break is taken.
    dialogs_.clipboard = QStringLiteral("K1\r\nK2\r\nit's-a\\key\r\nK3");
    Click(paste);
    QCOMPARE(TakeMessage(), QStringLiteral("添加记录成功！共加：3个"));
    QCOMPARE(Controls().RowCount(view), 4);

    // A row click fills the boxes; modify changes that row by its old key.
    ClickRow(view, 2);
    QCOMPARE(Controls().Text(key), QStringLiteral("K2"));
    QCOMPARE(Controls().Text(product), title);
    Controls().SetText(key, QStringLiteral("K2-new"));
    Click(modify);
    QCOMPARE(TakeMessage(), QStringLiteral("更改数据成功！"));
    QStringList keys;
    for (int r = 0; r < Controls().RowCount(view); ++r)
        keys.append(Controls().Cell(view, r, 2));
    QCOMPARE(keys, QStringList({"it's-a\\key", "K1", "K2-new", "K3"}));

    // Delete the selected row.
    ClickRow(view, 1);
    Click(remove);
    QCOMPARE(TakeMessage(), QStringLiteral("删除数据成功"));
    keys.clear();
    for (int r = 0; r < Controls().RowCount(view); ++r)
        keys.append(Controls().Cell(view, r, 2));
    QCOMPARE(keys, QStringList({"it's-a\\key", "K2-new", "K3"}));
    // Nothing selected any more: deleting reports the failure.
    Click(remove);
    QVERIFY(TakeMessage().startsWith(QStringLiteral("删除数据失败！")));
    QCOMPARE(dialogs_.messages, QStringList());
}

void WindowStoreTest::methodChoiceAndProductRow() {
    StartProgram();
    auto* method = qobject_cast<QComboBox*>(Show(QStringLiteral("组合框_产品方式")));
    Controls().SetTicked(QStringLiteral("选择框_网验开关"), false);
    method->setCurrentIndex(method->findText(QStringLiteral("计时网验")));
    emit method->activated(method->currentIndex());
    QCOMPARE(Controls().Text(QStringLiteral("分组框_发货方式")), QStringLiteral(" 价格 --- 天数"));
    QVERIFY(Controls().Ticked(QStringLiteral("选择框_网验开关")));

    Controls().SetText(QStringLiteral("组合框_产品产品"), QStringLiteral("迅雷白金会员 7天"));
    Controls().SetText(QStringLiteral("编辑框_产品邮件内容"),
                       QStringLiteral("卡密：{email_kami}\r\n谢谢"));
    Click(QStringLiteral("按钮_产品进产品表"));
    QCOMPARE(TakeMessage(), QStringLiteral("添加记录成功"));
    const QString products = QStringLiteral("超级列表框_发货");
    QCOMPARE(Controls().RowCount(products), 1);
    QCOMPARE(program_->Window().View(products)->model()->headerData(22, Qt::Horizontal).toString(),
             QStringLiteral("产品id"));

    Controls().SetText(QStringLiteral("组合框_产品产品"), QString());
    Controls().SetText(QStringLiteral("编辑框_产品邮件内容"), QString());
    ClickRow(products, 0);
    QCOMPARE(Controls().Text(QStringLiteral("组合框_产品产品")),
             QStringLiteral("迅雷白金会员 7天"));
    QCOMPARE(Controls().Text(QStringLiteral("编辑框_产品邮件内容")),
             QStringLiteral("卡密：{email_kami}\r\n谢谢"));
    QCOMPARE(Controls().Text(QStringLiteral("分组框_发货方式")), QStringLiteral(" 价格 ---  天数"));
}

QTEST_MAIN(WindowStoreTest)
#include "WindowStoreTest.moc"
