// The product editor: 产品表 kept from the editor's 26 boxes, the per-method enabling of the
// tier and gift boxes, and the rename of a title across the four tables.
#include "store/DeliveryMethod.h"
#include "store/MaintenancePages.h"
#include "store/StoreSchema.h"
#include "store/StoreViews.h"
#include "text/TextRules.h"

namespace fahuo {
namespace {

const QString kTitleBox = QStringLiteral("组合框_产品产品");
const QString kMethodBox = QStringLiteral("组合框_产品方式");
const QString kMethodGroup = QStringLiteral("分组框_发货方式");
const QString kNoMethod = QStringLiteral("请先选择方式");
const QString kTitle = QStringLiteral("产品");

// The editor box of product field k (1 to 26).
QString FieldBox(int k) {
    if (k == 1)
        return kTitleBox;
    if (k == 2)
        return kMethodBox;
    return QStringLiteral("编辑框_产品") + ProductColumnNames().value(k - 1);
}

class ProductEditor {
  public:
    explicit ProductEditor(PageContext& context) : c_(context) {}

    QStringList EditorValues() const {
        QStringList values;
        for (int k = 1; k <= ProductColumnNames().size(); ++k)
            values.append(c_.controls.Text(FieldBox(k)));
        values[0] = Trim(values[0]);
        return values;
    }

    bool MethodChosen() {
        if (c_.controls.Text(kMethodBox) != kNoMethod)
            return true;
        c_.dialogs.ShowMessage(QStringLiteral("发货方式没有选择！发货方式不要填写，只能选择！"));
        return false;
    }

    void Add() {
        if (!MethodChosen())
            return;
        c_.Report(c_.store.Insert(table::kProducts, ProductColumnNames(), EditorValues()),
                  view::kProducts, QStringLiteral("添加记录成功"),
                  QStringLiteral("添加记录失败！产品不能重复也不能为空！"));
    }

    // The product is found by the title its row showed; with no row selected nothing matches
    // and the change is reported done.
    void Modify() {
        if (!MethodChosen())
            return;
        const QString old = c_.controls.SelectedCell(view::kProducts, 1);
        c_.Report(c_.store.Update(table::kProducts, ProductColumnNames(), EditorValues(),
                                  StoreCondition::Equals(kTitle, old)),
                  view::kProducts, QStringLiteral("更改数据成功！"),
                  QStringLiteral("更改数据失败!产品名称不能重复也不能空"));
    }

    void Deleted(const StoreResult& result) {
        c_.Report(result, view::kProducts, QStringLiteral("删除数据成功"),
                  QStringLiteral("删除数据失败！@"));
    }

    void DeleteSelected() { Deleted(c_.DeleteSelected(table::kProducts, view::kProducts)); }

    void DeleteAll() { Deleted(c_.store.DeleteAll(table::kProducts)); }

    void ApplyMethod(const MethodFields& m, bool fromRow) {
        Controls& out = c_.controls;
        out.SetText(kMethodGroup, fromRow ? m.rowCaption : m.caption);
        if (!m.switchName.isEmpty())
            out.SetTicked(m.switchName, m.switchTicked);
        for (int k = ProductFieldOfColumn(QStringLiteral("最低价"));
             k <= ProductFieldOfColumn(QStringLiteral("价格七天")); ++k)
            out.SetEnabled(FieldBox(k), m.editable.contains(k));
        if (m.enablesTextFields) {
            for (const char* column : {"下载", "收件箱", "邮件标题", "邮件内容", "邮件附件"})
                out.SetEnabled(FieldBox(ProductFieldOfColumn(QString::fromUtf8(column))), true);
        }
    }

    void MethodChosenInCombo() {
        if (const MethodFields* m = MethodFieldsFor(c_.controls.Text(kMethodBox)))
            ApplyMethod(*m, false);
    }

    void RowSelected() {
        const int row = c_.controls.SelectedRow(view::kProducts);
        if (row < 0)
            return;
        if (const MethodFields* m = MethodFieldsFor(c_.controls.Cell(view::kProducts, row, 2)))
            ApplyMethod(*m, true);
        for (int k = 1; k <= ProductColumnNames().size(); ++k)
            c_.controls.SetText(FieldBox(k), c_.controls.Cell(view::kProducts, row, k));
    }

    // Moves a title in all four tables, one statement each, pausing between them as the seller
    // is used to. The titles are read once: a box edited during a pause cannot make the later
    // tables move to another title than the first ones.
    void Rename() {
        if (!c_.dialogs.AskYesNo(QStringLiteral("真的要替换么？不可恢复的啦，用新的产品名？"),
                                 QStringLiteral("提示")))
            return;
        const QString old = Trim(c_.controls.Text(QStringLiteral("编辑框_产品旧")));
        const QString now = Trim(c_.controls.Text(QStringLiteral("编辑框_产品新")));
        if (old.isEmpty() || now.isEmpty()) {
            c_.dialogs.ShowMessage(QStringLiteral("旧的和新的中至少有一个没有填写！"));
            return;
        }
        const QList<std::pair<QString, QString>> steps = {
            {table::kOutbox, view::kOutbox},
            {table::kProducts, view::kProducts},
            {table::kCardKeys, view::kCardKeys},
            {table::kCountKeys, view::kCountKeys},
        };
        bool first = true;
        for (const auto& [tableName, viewName] : steps) {
            if (!first)
                c_.clock.Delay(100);
            first = false;
            // Results are not reported one by one: the seller sees the one message below.
            c_.store.Update(tableName, {kTitle}, {now}, StoreCondition::Equals(kTitle, old));
            c_.refresh(viewName);
        }
        c_.clock.Delay(100);
        c_.dialogs.ShowMessage(QStringLiteral("更新产品成功！数据库中所有的") + old +
                               QStringLiteral("已经替换为：") + now);
    }

  private:
    PageContext& c_;
};

}  // namespace

ControlActions ProductEditorActions(PageContext& context) {
    using E = ControlAction::Event;
    auto e = std::make_shared<ProductEditor>(context);
    return {
        {QStringLiteral("按钮_产品进产品表"), E::Clicked, [e] { e->Add(); }},
        {QStringLiteral("按钮_产品修改"), E::Clicked, [e] { e->Modify(); }},
        {QStringLiteral("按钮_删除选中产品"), E::Clicked, [e] { e->DeleteSelected(); }},
        {QStringLiteral("按钮_清空产品表"), E::Clicked, [e] { e->DeleteAll(); }},
        {QStringLiteral("按钮11"), E::Clicked,
         [&context] { context.dialogs.SetClipboardText(Trim(context.controls.Text(kTitleBox))); }},
        {QStringLiteral("按钮12"), E::Clicked,
         [&context] { context.controls.SetText(kTitleBox, context.dialogs.ClipboardText()); }},
        {QStringLiteral("按钮4"), E::Clicked, [e] { e->Rename(); }},
        {kMethodBox, E::ItemChosen, [e] { e->MethodChosenInCombo(); }},
        {view::kProducts, E::RowClicked, [e] { e->RowSelected(); }},
    };
}

}  // namespace fahuo
