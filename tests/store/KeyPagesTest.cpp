#include <QtTest>

#include "ModuleFixture.h"
#include "text/Gbk.h"

using namespace fahuo;
using namespace fahuo::test;

namespace {

// The controls and texts of one key page as the seller sees them.
struct Page {
    QString table, view, product, key, period, state, buyer;
    QString add, paste, modify, del, clear, used, unused, all, advExport, advDelete;
    QStringList exportBoxes, deleteBoxes;  // field, operator, value
    QString usedName, unusedName, allName, advName;
    QString noState, addFailed, deleteFailed;
    bool trimsModifiedKey;
    QString copy, pasteTitle;
};

const Page kCard{"卡密表",
                 "超级列表框_卡密",
                 "组合框_卡密产品",
                 "编辑框_卡密卡密",
                 "编辑框_卡密卡期",
                 "组合框_卡密使用",
                 "编辑框_卡密买家",
                 "按钮13",
                 "按钮_粘贴卡密",
                 "按钮_修改卡密",
                 "按钮_删除选中卡",
                 "按钮_清空卡密",
                 "按钮28",
                 "按钮14",
                 "按钮19",
                 "按钮10",
                 "按钮30",
                 {"编辑框16", "编辑框14", "编辑框15"},
                 {"编辑框11", "编辑框13", "编辑框12"},
                 "已用卡密.txt",
                 "未用卡密.txt",
                 "卡密.txt",
                 "高级导出卡密.txt",
                 "使用方式没有选择！使用方式不要填写，只能选择！",
                 "添加记录失败！卡密不能重复，也不能空",
                 "删除数据失败！",
                 true,
                 "按钮15",
                 "按钮16"};
const Page kCount{"直接计数",
                  "超级列表框_直接计数",
                  "组合框_直接计数产品",
                  "编辑框_直接计数卡密",
                  "",
                  "组合框_直接计数使用",
                  "编辑框_直接计数买家",
                  "按钮5",
                  "按钮_粘贴Q",
                  "按钮_修改选中Q",
                  "按钮_删除选中Q",
                  "按钮_清空Q",
                  "按钮32",
                  "按钮31",
                  "按钮29",
                  "按钮33",
                  "按钮34",
                  {"编辑框19", "编辑框17", "编辑框18"},
                  {"编辑框22", "编辑框20", "编辑框21"},
                  "已用Q.txt",
                  "未用Q.txt",
                  "全部Q.txt",
                  "高级导出Q.txt",
                  "使用方式没有选择！使用不要填写，只能选择！",
                  "添加记录失败！卡密不能重复,也不能空",
                  "删除数据失败！@",
                  false,
                  "按钮21",
                  "按钮22"};

const Page& PageNamed(const QString& name) {
    return name == "card" ? kCard : kCount;
}

// The stamp of the virtual clock's start, 2014-11-14 04:34:42.
const QString kStamp = QStringLiteral("2014年11月14日4时34分42秒");

}  // namespace

class KeyPagesTest : public QObject {
    Q_OBJECT
  private slots:
    void add_data() { Pages(); }
    void add();
    void quoteAndBackslashRoundTrip_data() { Pages(); }
    void quoteAndBackslashRoundTrip();
    void paste_data();
    void paste();
    void modify_data() { Pages(); }
    void modify();
    void deleteSelectedAndAll_data() { Pages(); }
    void deleteSelectedAndAll();
    void exports_data();
    void exports();
    void advancedExport_data();
    void advancedExport();
    void advancedDelete_data();
    void advancedDelete();
    void rowClickFillsTheBoxes_data() { Pages(); }
    void rowClickFillsTheBoxes();
    void copyAndPasteTitle_data() { Pages(); }
    void copyAndPasteTitle();
    void closedStoreReportsFailures_data() { Pages(); }
    void closedStoreReportsFailures();

  private:
    static void Pages() {
        QTest::addColumn<QString>("page");
        QTest::newRow("card keys") << "card";
        QTest::newRow("count keys") << "count";
    }
    // Fills the editor of the page.
    static void Fill(ModuleFixture& f, const Page& p, const QString& product, const QString& key,
                     const QString& period, const QString& state, const QString& buyer) {
        f.controls.SetText(p.product, product);
        f.controls.SetText(p.key, key);
        if (!p.period.isEmpty())
            f.controls.SetText(p.period, period);
        f.controls.SetText(p.state, state);
        f.controls.SetText(p.buyer, buyer);
    }
    // Adds keys K1..Kn of product "产品1" (state 未用 for odd, 已用 for even numbers) by the page.
    static void Stock(ModuleFixture& f, const Page& p, int n) {
        for (int i = 1; i <= n; ++i) {
            Fill(f, p, i <= 2 ? "产品2" : "产品1", QStringLiteral("K%1").arg(i), "30",
                 i % 2 ? "未用" : "已用", "");
            QVERIFY(f.Click(p.add));
        }
        f.dialogs.messages.clear();
    }
    // A view row as "product|key|period|state|buyer" (no period on the count page).
    static QString Row(const Page& p, const QString& product, const QString& key,
                       const QString& period, const QString& state, const QString& buyer) {
        QStringList cells{product, key};
        if (!p.period.isEmpty())
            cells.append(period);
        cells << state << buyer << "";
        return cells.join('|');
    }
};

void KeyPagesTest::add() {
    QFETCH(QString, page);
    const Page& p = PageNamed(page);
    ModuleFixture f;
    QVERIFY(f.Open());

    Fill(f, p, "  产品1　", "K-1", "30", "请选择", "买家");
    QVERIFY(f.Click(p.add));
    QCOMPARE(f.dialogs.LastMessage(), p.noState);
    QCOMPARE(f.controls.RowCount(p.view), 0);

    f.controls.SetText(p.state, "未用");
    QVERIFY(f.Click(p.add));
    QCOMPARE(f.dialogs.LastMessage(), QString("添加记录成功"));
    QCOMPARE(f.ViewRows(p.view), QStringList{Row(p, "产品1", "K-1", "30", "未用", "买家")});

    // The same key again, or none at all, is refused by the store.
    QVERIFY(f.Click(p.add));
    QCOMPARE(f.dialogs.LastMessage(), p.addFailed);
    f.controls.SetText(p.key, "");
    QVERIFY(f.Click(p.add));
    QCOMPARE(f.dialogs.LastMessage(), p.addFailed);
    QCOMPARE(f.controls.RowCount(p.view), 1);

    // The key is stored as typed, blanks included.
    f.controls.SetText(p.key, " K-2 ");
    QVERIFY(f.Click(p.add));
    QCOMPARE(f.controls.Cell(p.view, 1, 2), QString(" K-2 "));
}

void KeyPagesTest::quoteAndBackslashRoundTrip() {
    QFETCH(QString, page);
    const Page& p = PageNamed(page);
    ModuleFixture f;
    QVERIFY(f.Open());
    const QString odd = "it's a \\ key'); drop table 卡密表; --";
    Fill(f, p, odd + "产品", odd, odd + "期", "未用", odd + "买家");
    QVERIFY(f.Click(p.add));
    QCOMPARE(f.dialogs.LastMessage(), QString("添加记录成功"));
    QCOMPARE(f.ViewRows(p.view),
             QStringList{Row(p, odd + "产品", odd, odd + "期", "未用", odd + "买家")});

    f.controls.Select(p.view, 0);
    Fill(f, p, "'\\新", "\\'新", "'期", "已用", "\\'");
    QVERIFY(f.Click(p.modify));
    QCOMPARE(f.dialogs.LastMessage(), QString("更改数据成功！"));
    QCOMPARE(f.ViewRows(p.view), QStringList{Row(p, "'\\新", "\\'新", "'期", "已用", "\\'")});

    StoreFile file(f.Path());
    QCOMPARE(file.Rows(QString("select 卡密 from %1").arg(p.table)), QStringList{"\\'新"});
}

void KeyPagesTest::paste_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("keys");  // keys stored afterwards, K0 was there before
    QTest::addColumn<int>("added");
    for (const QString page : {"card", "count"}) {
        auto row = [&](const char* name) {
            return &(QTest::newRow(qPrintable(page + ": " + name)) << page);
        };
        *row("two keys, CR LF after each") << "A1\r\nA2\r\n" << QStringList{"K0", "A1", "A2"} << 2;
        *row("last key without a line break") << "A1\r\nA2" << QStringList{"K0", "A1", "A2"} << 2;
        *row("bare line feeds") << "A1\nA2\n\n" << QStringList{"K0", "A1", "A2"} << 2;
        *row("space and tab end a key") << "A1 A2\tA3" << QStringList{"K0", "A1", "A2", "A3"} << 3;
        *row("duplicates refused silently")
            << "K0\r\nA1\r\nA1\r\nA2" << QStringList{"K0", "A1", "A2"} << 2;
        *row("full-width space removed") << "A　1\r\n　\r\n" << QStringList{"K0", "A1"} << 1;
        *row("quote and backslash") << "it's\r\na\\b\r\n" << QStringList{"K0", "it's", "a\\b"} << 2;
        *row("nothing to paste") << "\r\n \t" << QStringList{"K0"} << 0;
    }
}

void KeyPagesTest::paste() {
    QFETCH(QString, page);
    QFETCH(QString, clipboard);
    QFETCH(QStringList, keys);
    QFETCH(int, added);
    const Page& p = PageNamed(page);
    ModuleFixture f;
    QVERIFY(f.Open());
    Fill(f, p, "产品0", "K0", "7", "已用", "b");
    QVERIFY(f.Click(p.add));

    // The state box is not read: even "请选择" lets a paste through.
    Fill(f, p, " 产品1 ", "ignored", " 30 ", "请选择", "ignored");
    f.dialogs.clipboard = clipboard;
    QVERIFY(f.Click(p.paste));
    QCOMPARE(f.dialogs.LastMessage(), QStringLiteral("添加记录成功！共加：%1个").arg(added));
    QStringList shown;
    for (int r = 0; r < f.controls.RowCount(p.view); ++r)
        shown.append(f.controls.Cell(p.view, r, 2));
    QCOMPARE(shown, keys);
    for (int r = 1; r < f.controls.RowCount(p.view); ++r)
        QCOMPARE(f.ViewRows(p.view).at(r), Row(p, "产品1", keys[r], "30", "未用", ""));
}

void KeyPagesTest::modify() {
    QFETCH(QString, page);
    const Page& p = PageNamed(page);
    ModuleFixture f;
    QVERIFY(f.Open());
    Stock(f, p, 3);

    f.controls.Select(p.view, 1);
    Fill(f, p, " 新产品 ", " N2 ", " 90 ", "已用", " 买家 ");
    QVERIFY(f.Click(p.modify));
    QCOMPARE(f.dialogs.LastMessage(), QString("更改数据成功！"));
    // The card page trims the new key, the count page keeps it as typed; the period and the
    // buyer stay as typed on both.
    QCOMPARE(f.ViewRows(p.view).at(1),
             Row(p, "新产品", p.trimsModifiedKey ? "N2" : " N2 ", " 90 ", "已用", " 买家 "));

    // A key that another row holds is refused.
    f.controls.Select(p.view, 1);
    f.controls.SetText(p.key, "K3");
    QVERIFY(f.Click(p.modify));
    QCOMPARE(f.dialogs.LastMessage(), QString("更改数据失败，卡密不能重复！"));

    // The state must be chosen.
    f.controls.SetText(p.state, "请选择");
    QVERIFY(f.Click(p.modify));
    QCOMPARE(f.dialogs.LastMessage(), p.noState);

    // No row selected: nothing matches, and the seller is told it is done.
    const QStringList before = f.ViewRows(p.view);
    f.controls.Select(p.view, -1);
    Fill(f, p, "x", "X1", "1", "未用", "");
    QVERIFY(f.Click(p.modify));
    QCOMPARE(f.dialogs.LastMessage(), QString("更改数据成功！"));
    QCOMPARE(f.ViewRows(p.view), before);
}

void KeyPagesTest::deleteSelectedAndAll() {
    QFETCH(QString, page);
    const Page& p = PageNamed(page);
    ModuleFixture f;
    QVERIFY(f.Open());
    Stock(f, p, 3);

    f.controls.Select(p.view, -1);
    QVERIFY(f.Click(p.del));
    QCOMPARE(f.dialogs.LastMessage(), p.deleteFailed);
    QCOMPARE(f.controls.RowCount(p.view), 3);

    f.controls.Select(p.view, 1);
    QVERIFY(f.Click(p.del));
    QCOMPARE(f.dialogs.LastMessage(), QString("删除数据成功"));
    QCOMPARE(f.controls.RowCount(p.view), 2);
    QCOMPARE(f.controls.Cell(p.view, 1, 2), QString("K3"));

    QVERIFY(f.Click(p.clear));
    QCOMPARE(f.dialogs.LastMessage(), QString("删除数据成功"));
    QCOMPARE(f.controls.RowCount(p.view), 0);
    StoreFile file(f.Path());
    QCOMPARE(file.Count(p.table), 0);
}

void KeyPagesTest::exports_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("which");
    QTest::addColumn<QStringList>("keys");
    for (const QString page : {"card", "count"}) {
        QTest::newRow(qPrintable(page + ": used")) << page << "used" << QStringList{"K2", "钥匙4"};
        QTest::newRow(qPrintable(page + ": unused"))
            << page << "unused" << QStringList{"K1", "K3", "K5"};
        QTest::newRow(qPrintable(page + ": all"))
            << page << "all" << QStringList{"K1", "K2", "K3", "钥匙4", "K5"};
    }
}

void KeyPagesTest::exports() {
    QFETCH(QString, page);
    QFETCH(QString, which);
    QFETCH(QStringList, keys);
    const Page& p = PageNamed(page);
    ModuleFixture f;
    QVERIFY(f.Open());
    Stock(f, p, 5);
    {
        StoreFile file(f.Path());
        QVERIFY(file.Run(QString("update %1 set 卡密='钥匙4' where 卡密='K4'").arg(p.table)));
    }
    const QString button = which == "used" ? p.used : which == "unused" ? p.unused : p.all;
    const QString base = which == "used"     ? p.usedName
                         : which == "unused" ? p.unusedName
                                             : p.allName;
    QVERIFY(f.Click(button));
    const QString name = kStamp + base;
    QCOMPARE(f.dialogs.LastMessage(), name + "导出完毕，保存在软件文件夹中");
    QByteArray expected;
    for (const QString& k : keys)
        expected += EncodeGbk(k) + "\r\n";
    QCOMPARE(ReadBytes(f.DataPath(name)), expected);

    // A second export at the same moment replaces the file; an empty result gives an empty file.
    QVERIFY(f.Click(p.clear));
    QVERIFY(f.Click(button));
    QCOMPARE(ReadBytes(f.DataPath(name)), QByteArray());
}

void KeyPagesTest::advancedExport_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("keys");  // empty list with refused: no file
    QTest::addColumn<bool>("refused");
    for (const QString page : {"card", "count"}) {
        auto row = [&](const char* name) {
            return &(QTest::newRow(qPrintable(page + ": " + name)) << page);
        };
        *row("product") << " 产品 "
                        << " = "
                        << " 产品2 " << QStringList{"K1", "K2"} << false;
        *row("id as a number") << "id"
                               << ">"
                               << "9" << QStringList{"K10", "K11"} << false;
        *row("like") << "卡密"
                     << "like"
                     << "k1%" << QStringList{"K1", "K10", "K11"} << false;
        *row("not like, capitals")
            << "卡密"
            << "NOT LIKE"
            << "K1%" << QStringList{"K2", "K3", "K4", "K5", "K6", "K7", "K8", "K9"} << false;
        *row("unknown field") << "产品 = '' or 1"
                              << "="
                              << "1" << QStringList{} << true;
        *row("operator not allowed") << "产品"
                                     << "in"
                                     << "产品2" << QStringList{} << true;
        *row("id not a number") << "id"
                                << ">"
                                << "0 or 1=1" << QStringList{} << true;
    }
}

void KeyPagesTest::advancedExport() {
    QFETCH(QString, page);
    QFETCH(QString, field);
    QFETCH(QString, op);
    QFETCH(QString, value);
    QFETCH(QStringList, keys);
    QFETCH(bool, refused);
    const Page& p = PageNamed(page);
    ModuleFixture f;
    QVERIFY(f.Open());
    Stock(f, p, 11);
    f.controls.SetText(p.exportBoxes[0], field);
    f.controls.SetText(p.exportBoxes[1], op);
    f.controls.SetText(p.exportBoxes[2], value);
    QVERIFY(f.Click(p.advExport));
    const QString name = kStamp + p.advName;
    if (refused) {
        QVERIFY(f.dialogs.messages.isEmpty());
        QVERIFY(!f.Files().contains(name));
        return;
    }
    QCOMPARE(f.dialogs.LastMessage(), name + "导出完毕，保存在软件文件夹中");
    QCOMPARE(ReadBytes(f.DataPath(name)), (keys.join("\r\n") + "\r\n").toLatin1());
}

void KeyPagesTest::advancedDelete_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("left");  // -1: refused
    for (const QString page : {"card", "count"}) {
        auto row = [&](const char* name) {
            return &(QTest::newRow(qPrintable(page + ": " + name)) << page);
        };
        *row("id greater than 5, as a number") << "id"
                                               << ">"
                                               << "5" << 5;
        *row("used keys") << "使用"
                          << "="
                          << "已用" << 6;
        *row("buyer empty") << "买家"
                            << "="
                            << "" << 0;
        *row("unknown field") << "颜色"
                              << "="
                              << "红" << -1;
        *row("operator with a statement") << "id"
                                          << "> 0; delete from 产品表 --"
                                          << "1" << -1;
        *row("id text") << "id"
                        << "="
                        << "five" << -1;
    }
}

void KeyPagesTest::advancedDelete() {
    QFETCH(QString, page);
    QFETCH(QString, field);
    QFETCH(QString, op);
    QFETCH(QString, value);
    QFETCH(int, left);
    const Page& p = PageNamed(page);
    ModuleFixture f;
    QVERIFY(f.Open());
    Stock(f, p, 11);
    f.controls.SetText(p.deleteBoxes[0], field);
    f.controls.SetText(p.deleteBoxes[1], op);
    f.controls.SetText(p.deleteBoxes[2], value);
    QVERIFY(f.Click(p.advDelete));
    if (left < 0) {
        QCOMPARE(f.dialogs.LastMessage(), QString("删除数据失败！"));
        QCOMPARE(f.controls.RowCount(p.view), 11);
        return;
    }
    QCOMPARE(f.dialogs.LastMessage(), QString("删除数据成功"));
    QCOMPARE(f.controls.RowCount(p.view), left);
}

void KeyPagesTest::rowClickFillsTheBoxes() {
    QFETCH(QString, page);
    const Page& p = PageNamed(page);
    ModuleFixture f;
    QVERIFY(f.Open());
    Fill(f, p, "产品A", "KA", "30", "未用", "买家A");
    QVERIFY(f.Click(p.add));
    Fill(f, p, "产品B", "KB", "90", "已用", "买家B");
    QVERIFY(f.Click(p.add));
    Fill(f, p, "", "", "", "", "");
    QVERIFY(f.ClickRow(p.view, 1));
    QCOMPARE(f.controls.Text(p.product), QString("产品B"));
    QCOMPARE(f.controls.Text(p.key), QString("KB"));
    if (!p.period.isEmpty())
        QCOMPARE(f.controls.Text(p.period), QString("90"));
    QCOMPARE(f.controls.Text(p.state), QString("已用"));
    QCOMPARE(f.controls.Text(p.buyer), QString("买家B"));
}

void KeyPagesTest::copyAndPasteTitle() {
    QFETCH(QString, page);
    const Page& p = PageNamed(page);
    ModuleFixture f;
    QVERIFY(f.Open());
    f.controls.SetText(p.product, " 标题 ");
    QVERIFY(f.Click(p.copy));
    QCOMPARE(f.dialogs.clipboard, QString(" 标题 "));
    f.dialogs.clipboard = "新标题\r\n";
    QVERIFY(f.Click(p.pasteTitle));
    QCOMPARE(f.controls.Text(p.product), QString("新标题\r\n"));
}

void KeyPagesTest::closedStoreReportsFailures() {
    QFETCH(QString, page);
    const Page& p = PageNamed(page);
    ModuleFixture f;
    QVERIFY(WriteBytes(f.Path(), "not a store"));
    QVERIFY(!f.Open());
    Fill(f, p, "产品", "K", "30", "未用", "");
    QVERIFY(f.Click(p.add));
    QCOMPARE(f.dialogs.LastMessage(), p.addFailed);
    f.dialogs.clipboard = "A\r\nB\r\n";
    QVERIFY(f.Click(p.paste));
    QCOMPARE(f.dialogs.LastMessage(), QString("添加记录成功！共加：0个"));
    QVERIFY(f.Click(p.clear));
    QCOMPARE(f.dialogs.LastMessage(), QString("删除数据失败！@"));
    QVERIFY(f.Click(p.modify));
    QCOMPARE(f.dialogs.LastMessage(), QString("更改数据失败，卡密不能重复！"));
    QCOMPARE(ReadBytes(f.Path()), QByteArray("not a store"));
    QCOMPARE(f.controls.RowCount(p.view), 0);
}

QTEST_GUILESS_MAIN(KeyPagesTest)
#include "KeyPagesTest.moc"
