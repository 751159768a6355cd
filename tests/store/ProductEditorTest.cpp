#include <QtTest>

#include "ModuleFixture.h"
#include "store/DeliveryMethod.h"
#include "store/StoreSchema.h"

using namespace fahuo;
using namespace fahuo::test;

namespace {

const QString kView = "超级列表框_发货";
const QString kTitleBox = "组合框_产品产品";
const QString kMethodBox = "组合框_产品方式";

QString Box(const QString& column) {
    if (column == "产品")
        return kTitleBox;
    if (column == "方式")
        return kMethodBox;
    return "编辑框_产品" + column;
}

// Fills all 26 boxes: the title, the method, and "<column>-<tag>" in the others.
void FillEditor(ModuleFixture& f, const QString& title, const QString& method, const QString& tag) {
    for (const QString& c : ProductColumnNames())
        f.controls.SetText(Box(c), c + "-" + tag);
    f.controls.SetText(kTitleBox, title);
    f.controls.SetText(kMethodBox, method);
}

QStringList TierAndGiftBoxes() {
    QStringList boxes;
    for (int k = 3; k <= 20; ++k)
        boxes.append(Box(ProductColumnNames()[k - 1]));
    return boxes;
}

QStringList EnabledAmong(ModuleFixture& f, const QStringList& boxes) {
    QStringList on;
    for (const QString& b : boxes) {
        if (f.controls.Enabled(b))
            on.append(b);
    }
    return on;
}

}  // namespace

class ProductEditorTest : public QObject {
    Q_OBJECT
  private slots:
    void addRefusesTheMethodHint();
    void addStoresTheEditor();
    void quoteAndBackslashRoundTrip();
    void modify();
    void deleteSelectedAndAll();
    void copyAndPasteTitle();
    void methodChoice_data();
    void methodChoice();
    void rowSelectionFillsTheEditor_data();
    void rowSelectionFillsTheEditor();
    void rowOfAnUnknownMethodKeepsTheEnabling();
    void renameMovesTheTitleInAllFourTables();
    void renameAskedAndChecked();
    void renameUsesTheTitlesReadAtTheStart();

  private:
    static void AddProduct(ModuleFixture& f, const QString& title, const QString& method) {
        FillEditor(f, title, method, title);
        QVERIFY(f.Click("按钮_产品进产品表"));
        QCOMPARE(f.dialogs.LastMessage(), QString("添加记录成功"));
    }
};

void ProductEditorTest::addRefusesTheMethodHint() {
    ModuleFixture f;
    QVERIFY(f.Open());
    FillEditor(f, "P", "请先选择方式", "a");
    QVERIFY(f.Click("按钮_产品进产品表"));
    QCOMPARE(f.dialogs.LastMessage(), QString("发货方式没有选择！发货方式不要填写，只能选择！"));
    QVERIFY(f.Click("按钮_产品修改"));
    QCOMPARE(f.dialogs.messages.size(), 2);
    QCOMPARE(f.controls.RowCount(kView), 0);
}

void ProductEditorTest::addStoresTheEditor() {
    ModuleFixture f;
    QVERIFY(f.Open());
    FillEditor(f, "  青鸾卡　", "直接计数", "a");
    f.controls.SetText(Box("邮件内容"), "  第一行\r\n第二行  ");
    QVERIFY(f.Click("按钮_产品进产品表"));
    QCOMPARE(f.dialogs.LastMessage(), QString("添加记录成功"));
    QCOMPARE(f.controls.RowCount(kView), 1);
    QCOMPARE(f.controls.Cell(kView, 0, 1), QString("青鸾卡"));
    QCOMPARE(f.controls.Cell(kView, 0, 2), QString("直接计数"));
    for (int k = 3; k <= 26; ++k) {
        const QString c = ProductColumnNames()[k - 1];
        QCOMPARE(f.controls.Cell(kView, 0, k), c == "邮件内容" ? "  第一行\r\n第二行  " : c + "-a");
    }
    QCOMPARE(f.module.store().ReadProduct("青鸾卡")->at(24), QString("  第一行\r\n第二行  "));

    // The title must be new and not empty.
    QVERIFY(f.Click("按钮_产品进产品表"));
    QCOMPARE(f.dialogs.LastMessage(), QString("添加记录失败！产品不能重复也不能为空！"));
    f.controls.SetText(kTitleBox, " 　");
    QVERIFY(f.Click("按钮_产品进产品表"));
    QCOMPARE(f.dialogs.LastMessage(), QString("添加记录失败！产品不能重复也不能为空！"));
    QCOMPARE(f.controls.RowCount(kView), 1);
}

void ProductEditorTest::quoteAndBackslashRoundTrip() {
    ModuleFixture f;
    QVERIFY(f.Open());
    FillEditor(f, "it's \\ 卡", "卡密有卡期", "q'\\");
    QVERIFY(f.Click("按钮_产品进产品表"));
    QCOMPARE(f.dialogs.LastMessage(), QString("添加记录成功"));
    QCOMPARE(f.controls.Cell(kView, 0, 1), QString("it's \\ 卡"));
    QCOMPARE(f.controls.Cell(kView, 0, 26), QString("邮件附件-q'\\"));

    f.controls.Select(kView, 0);
    FillEditor(f, "\\'新", "计时网验", "'\\'");
    QVERIFY(f.Click("按钮_产品修改"));
    QCOMPARE(f.dialogs.LastMessage(), QString("更改数据成功！"));
    const auto fields = f.module.store().ReadProduct("\\'新");
    QVERIFY(fields);
    for (int k = 3; k <= 26; ++k)
        QCOMPARE(fields->at(k - 1), ProductColumnNames()[k - 1] + "-'\\'");
}

void ProductEditorTest::modify() {
    ModuleFixture f;
    QVERIFY(f.Open());
    AddProduct(f, "A", "直接下载");
    AddProduct(f, "B", "直接计数");

    f.controls.Select(kView, 1);
    FillEditor(f, " B2 ", "卡密有卡期", "new");
    QVERIFY(f.Click("按钮_产品修改"));
    QCOMPARE(f.dialogs.LastMessage(), QString("更改数据成功！"));
    QCOMPARE(f.controls.Cell(kView, 1, 1), QString("B2"));
    QCOMPARE(f.controls.Cell(kView, 1, 2), QString("卡密有卡期"));
    QCOMPARE(f.controls.Cell(kView, 1, 21), QString("下载-new"));
    QCOMPARE(f.controls.Cell(kView, 0, 21), QString("下载-A"));

    f.controls.Select(kView, 1);
    f.controls.SetText(kTitleBox, "A");
    QVERIFY(f.Click("按钮_产品修改"));
    QCOMPARE(f.dialogs.LastMessage(), QString("更改数据失败!产品名称不能重复也不能空"));

    // No row selected: nothing matches and success is reported.
    f.controls.Select(kView, -1);
    FillEditor(f, "C", "直接计数", "none");
    QVERIFY(f.Click("按钮_产品修改"));
    QCOMPARE(f.dialogs.LastMessage(), QString("更改数据成功！"));
    QCOMPARE(f.ViewRows(kView, 1).size(), 2);
    QCOMPARE(f.controls.Cell(kView, 0, 1), QString("A"));
    QCOMPARE(f.controls.Cell(kView, 1, 1), QString("B2"));
}

void ProductEditorTest::deleteSelectedAndAll() {
    ModuleFixture f;
    QVERIFY(f.Open());
    AddProduct(f, "A", "直接下载");
    AddProduct(f, "B", "直接计数");
    AddProduct(f, "C", "直接计数");
    f.controls.Select(kView, -1);
    QVERIFY(f.Click("按钮_删除选中产品"));
    QCOMPARE(f.dialogs.LastMessage(), QString("删除数据失败！@"));
    f.controls.Select(kView, 1);
    QVERIFY(f.Click("按钮_删除选中产品"));
    QCOMPARE(f.dialogs.LastMessage(), QString("删除数据成功"));
    QCOMPARE(f.controls.RowCount(kView), 2);
    QCOMPARE(f.controls.Cell(kView, 1, 1), QString("C"));
    QVERIFY(f.Click("按钮_清空产品表"));
    QCOMPARE(f.dialogs.LastMessage(), QString("删除数据成功"));
    QCOMPARE(f.controls.RowCount(kView), 0);
}

void ProductEditorTest::copyAndPasteTitle() {
    ModuleFixture f;
    QVERIFY(f.Open());
    f.controls.SetText(kTitleBox, "  标题　");
    QVERIFY(f.Click("按钮11"));
    QCOMPARE(f.dialogs.clipboard, QString("标题"));
    f.dialogs.clipboard = " 新标题 ";
    QVERIFY(f.Click("按钮12"));
    QCOMPARE(f.controls.Text(kTitleBox), QString(" 新标题 "));
}

void ProductEditorTest::methodChoice_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("switchName");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QStringList>("extra");  // enabled beyond tiers 1 to 7
    QTest::addColumn<bool>("tiers");

    QTest::newRow("直接下载") << "直接下载"
                              << " 价格 --- 天或数"
                              << "" << false << QStringList{} << false;
    QTest::newRow("直接计数") << "直接计数"
                              << " 价格 ---  个数"
                              << "选择框_发卡开关" << true << QStringList{Box("赠送数")} << true;
    QTest::newRow("卡密有卡期") << "卡密有卡期"
                                << " 价格 --- 天数"
                                << "选择框_发卡开关" << true << QStringList{} << true;
    QTest::newRow("计时网验") << "计时网验"
                              << " 价格 --- 天数"
                              << "选择框_网验开关" << true
                              << QStringList{Box("赠送时"), Box("赠送天")} << true;
    QTest::newRow("计数计时网验") << "计数计时网验"
                                  << " 价格 --- 有效天数 -- 个数(仅钱1)"
                                  << "选择框_网验开关" << false
                                  << QStringList{Box("最低价数量"), Box("赠送数"), Box("赠送时"),
                                                 Box("赠送天")}
                                  << true;
    QTest::newRow("卡密多规格可多张") << "卡密多规格可多张"
                                      << " 价格 --- 天数"
                                      << "选择框_发卡开关" << true << QStringList{} << true;
}

void ProductEditorTest::methodChoice() {
    QFETCH(QString, method);
    QFETCH(QString, caption);
    QFETCH(QString, switchName);
    QFETCH(bool, ticked);
    QFETCH(QStringList, extra);
    QFETCH(bool, tiers);
    ModuleFixture f;
    const QStringList textBoxes = {Box("下载"), Box("收件箱"), Box("邮件标题"), Box("邮件内容"),
                                   Box("邮件附件")};
    for (const QString& b : textBoxes + TierAndGiftBoxes())
        f.controls.SetEnabled(b, false);
    f.controls.SetTicked("选择框_发卡开关", !ticked);
    f.controls.SetTicked("选择框_网验开关", !ticked);

    f.controls.SetText(kMethodBox, method);
    QVERIFY(f.Fire(kMethodBox, ControlAction::Event::ItemChosen));
    QCOMPARE(f.controls.Text("分组框_发货方式"), caption);
    if (!switchName.isEmpty())
        QCOMPARE(f.controls.Ticked(switchName), ticked);
    QStringList expected = extra;
    if (tiers) {
        expected += {Box("最低价"), Box("最低价天")};
        for (int k = 9; k <= 20; ++k)
            expected.append(Box(ProductColumnNames()[k - 1]));
    }
    QStringList enabled = EnabledAmong(f, TierAndGiftBoxes());
    enabled.sort();
    expected.sort();
    QCOMPARE(enabled, expected);
    // Only 直接下载 opens the text boxes; the others leave them as they were.
    QCOMPARE(EnabledAmong(f, textBoxes), method == "直接下载" ? textBoxes : QStringList{});

    // The hint text changes nothing.
    f.controls.SetText("分组框_发货方式", "unchanged");
    f.controls.SetText(kMethodBox, "请先选择方式");
    QVERIFY(f.Fire(kMethodBox, ControlAction::Event::ItemChosen));
    QCOMPARE(f.controls.Text("分组框_发货方式"), QString("unchanged"));
}

void ProductEditorTest::rowSelectionFillsTheEditor_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("caption");
    QTest::newRow("卡密有卡期, two blanks") << "卡密有卡期"
                                            << " 价格 ---  天数";
    QTest::newRow("计时网验, two blanks") << "计时网验"
                                          << " 价格 ---  天数";
    QTest::newRow("卡密多规格可多张, two blanks") << "卡密多规格可多张"
                                                  << " 价格 ---  天数";
    QTest::newRow("直接计数") << "直接计数"
                              << " 价格 ---  个数";
    QTest::newRow("计数计时网验") << "计数计时网验"
                                  << " 价格 --- 有效天数 -- 个数(仅钱1)";
}

void ProductEditorTest::rowSelectionFillsTheEditor() {
    QFETCH(QString, method);
    QFETCH(QString, caption);
    ModuleFixture f;
    QVERIFY(f.Open());
    AddProduct(f, "A", "直接下载");
    AddProduct(f, "B", method);
    FillEditor(f, "", "", "blank");
    QVERIFY(f.ClickRow(kView, 1));
    QCOMPARE(f.controls.Text("分组框_发货方式"), caption);
    QCOMPARE(f.controls.Text(kTitleBox), QString("B"));
    QCOMPARE(f.controls.Text(kMethodBox), method);
    for (int k = 3; k <= 26; ++k) {
        const QString c = ProductColumnNames()[k - 1];
        QCOMPARE(f.controls.Text(Box(c)), c + "-B");
    }
    if (method == "计数计时网验") {
        QVERIFY(!f.controls.Ticked("选择框_网验开关"));
        QCOMPARE(EnabledAmong(f, TierAndGiftBoxes()).size(), 18);
    }
}

void ProductEditorTest::rowOfAnUnknownMethodKeepsTheEnabling() {
    ModuleFixture f;
    QVERIFY(f.Open());
    AddProduct(f, "A", "旧的方式");
    f.controls.SetEnabled(Box("价格二"), false);
    f.controls.SetText("分组框_发货方式", "as it was");
    QVERIFY(f.ClickRow(kView, 0));
    QCOMPARE(f.controls.Text(kTitleBox), QString("A"));
    QCOMPARE(f.controls.Text(kMethodBox), QString("旧的方式"));
    QVERIFY(!f.controls.Enabled(Box("价格二")));
    QVERIFY(f.controls.Enabled(Box("价格三")));
    QCOMPARE(f.controls.Text("分组框_发货方式"), QString("as it was"));
}

void ProductEditorTest::renameMovesTheTitleInAllFourTables() {
    ModuleFixture f;
    QVERIFY(f.Open());
    const QString old = "旧's\\";
    {
        StoreFile file(f.Path());
        QVERIFY(file.Run(
            "insert into 产品表(产品,方式) values ('旧''s\\','直接计数'), ('别的','直接计数')"));
        QVERIFY(file.Run("insert into 卡密表(产品,卡密) values ('旧''s\\','C1'), ('别的','C2')"));
        QVERIFY(
            file.Run("insert into 直接计数(产品,卡密) values ('旧''s\\','Q1'), ('旧''s\\','Q2')"));
        QVERIFY(file.Run("insert into 发件箱(产品,发件箱) values ('旧''s\\','a@b.c')"));
    }
    f.module.RefreshView("超级列表框_发货");
    f.controls.SetText("编辑框_产品旧", " " + old + " ");
    f.controls.SetText("编辑框_产品新", "　新'名 ");
    QVERIFY(f.Click("按钮4"));
    QCOMPARE(f.dialogs.questions, QStringList{"提示|真的要替换么？不可恢复的啦，用新的产品名？"});
    QCOMPARE(f.dialogs.LastMessage(), "更新产品成功！数据库中所有的" + old + "已经替换为：新'名");
    QCOMPARE(f.clock.delays, (QList<int>{100, 100, 100, 100}));
    StoreFile file(f.Path());
    QCOMPARE(file.Rows("select 产品 from 产品表 order by id"), (QStringList{"新'名", "别的"}));
    QCOMPARE(file.Rows("select 产品 from 卡密表 order by id"), (QStringList{"新'名", "别的"}));
    QCOMPARE(file.Rows("select 产品 from 直接计数 order by id"), (QStringList{"新'名", "新'名"}));
    QCOMPARE(file.Rows("select 产品 from 发件箱"), QStringList{"新'名"});
    // The views show the new title.
    QCOMPARE(f.controls.Cell("超级列表框_直接计数", 1, 1), QString("新'名"));
    QCOMPARE(f.controls.Cell("超级列表框_发件箱", 0, 1), QString("新'名"));
    QCOMPARE(f.controls.Cell("超级列表框_卡密", 0, 1), QString("新'名"));
    QCOMPARE(f.controls.Cell(kView, 0, 1), QString("新'名"));
}

void ProductEditorTest::renameAskedAndChecked() {
    ModuleFixture f;
    QVERIFY(f.Open());
    {
        StoreFile file(f.Path());
        QVERIFY(file.Run("insert into 卡密表(产品,卡密) values ('只在卡密','C1')"));
    }
    f.controls.SetText("编辑框_产品旧", "只在卡密");
    f.controls.SetText("编辑框_产品新", "新");
    f.dialogs.answers = {false};
    QVERIFY(f.Click("按钮4"));
    QVERIFY(f.dialogs.messages.isEmpty());

    f.controls.SetText("编辑框_产品新", " 　 ");
    QVERIFY(f.Click("按钮4"));
    QCOMPARE(f.dialogs.LastMessage(), QString("旧的和新的中至少有一个没有填写！"));

    // A title that exists only among the card keys: they move, and success is shown.
    f.controls.SetText("编辑框_产品新", "新");
    QVERIFY(f.Click("按钮4"));
    QCOMPARE(f.dialogs.LastMessage(),
             QString("更新产品成功！数据库中所有的只在卡密已经替换为：新"));
    StoreFile file(f.Path());
    QCOMPARE(file.Rows("select 产品 from 卡密表"), QStringList{"新"});
}

void ProductEditorTest::renameUsesTheTitlesReadAtTheStart() {
    ModuleFixture f;
    QVERIFY(f.Open());
    {
        StoreFile file(f.Path());
        QVERIFY(file.Run("insert into 产品表(产品) values ('A')"));
        QVERIFY(file.Run("insert into 直接计数(产品,卡密) values ('A','Q1')"));
    }
    f.controls.SetText("编辑框_产品旧", "A");
    f.controls.SetText("编辑框_产品新", "B");
    // The seller empties the box while the rename pauses.
    f.clock.onDelay = [&](int) { f.controls.SetText("编辑框_产品新", ""); };
    QVERIFY(f.Click("按钮4"));
    QCOMPARE(f.dialogs.LastMessage(), QString("更新产品成功！数据库中所有的A已经替换为：B"));
    StoreFile file(f.Path());
    QCOMPARE(file.Rows("select 产品 from 产品表"), QStringList{"B"});
    QCOMPARE(file.Rows("select 产品 from 直接计数"), QStringList{"B"});
}

QTEST_GUILESS_MAIN(ProductEditorTest)
#include "ProductEditorTest.moc"
