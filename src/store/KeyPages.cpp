// Pages 5 and 6: card keys in 卡密表 and count keys in 直接计数. The two pages work alike; the
// descriptions below hold what differs.
#include "store/MaintenancePages.h"
#include "store/PastedText.h"
#include "store/StoreExport.h"
#include "store/StoreSchema.h"
#include "store/StoreViews.h"
#include "text/TextRules.h"

namespace fahuo {
namespace {

struct AdvancedBoxes {
    QString button;
    QString field;
    QString op;
    QString value;
};

struct KeyPage {
    QString table;
    QString view;
    QString productBox;
    QString keyBox;
    QString periodBox;  // card keys only
    QString stateBox;
    QString buyerBox;
    QString addButton;
    QString pasteButton;
    QString modifyButton;
    QString deleteButton;
    QString clearButton;
    QString copyButton;
    QString pasteTitleButton;
    struct Export {
        QString button;
        QString used;  // the 使用 word to export, empty for all keys
        QString baseName;
    };
    QList<Export> exports;
    AdvancedBoxes advancedExport;
    QString advancedExportName;
    AdvancedBoxes advancedDelete;
    QString noStateMessage;
    QString addFailedMessage;
    QString deleteFailedMessage;
    bool trimsModifiedKey;
};

const KeyPage& CardKeyPage() {
    static const KeyPage page{
        table::kCardKeys,
        view::kCardKeys,
        QStringLiteral("组合框_卡密产品"),
        QStringLiteral("编辑框_卡密卡密"),
        QStringLiteral("编辑框_卡密卡期"),
        QStringLiteral("组合框_卡密使用"),
        QStringLiteral("编辑框_卡密买家"),
        QStringLiteral("按钮13"),
        QStringLiteral("按钮_粘贴卡密"),
        QStringLiteral("按钮_修改卡密"),
        QStringLiteral("按钮_删除选中卡"),
        QStringLiteral("按钮_清空卡密"),
        QStringLiteral("按钮15"),
        QStringLiteral("按钮16"),
        {{QStringLiteral("按钮28"), kUsed, QStringLiteral("已用卡密.txt")},
         {QStringLiteral("按钮14"), kUnused, QStringLiteral("未用卡密.txt")},
         {QStringLiteral("按钮19"), QString(), QStringLiteral("卡密.txt")}},
        {QStringLiteral("按钮10"), QStringLiteral("编辑框16"), QStringLiteral("编辑框14"),
         QStringLiteral("编辑框15")},
        QStringLiteral("高级导出卡密.txt"),
        {QStringLiteral("按钮30"), QStringLiteral("编辑框11"), QStringLiteral("编辑框13"),
         QStringLiteral("编辑框12")},
        QStringLiteral("使用方式没有选择！使用方式不要填写，只能选择！"),
        QStringLiteral("添加记录失败！卡密不能重复，也不能空"),
        QStringLiteral("删除数据失败！"),
        true,
    };
    return page;
}

const KeyPage& CountKeyPage() {
    static const KeyPage page{
        table::kCountKeys,
        view::kCountKeys,
        QStringLiteral("组合框_直接计数产品"),
        QStringLiteral("编辑框_直接计数卡密"),
        QString(),
        QStringLiteral("组合框_直接计数使用"),
        QStringLiteral("编辑框_直接计数买家"),
        QStringLiteral("按钮5"),
        QStringLiteral("按钮_粘贴Q"),
        QStringLiteral("按钮_修改选中Q"),
        QStringLiteral("按钮_删除选中Q"),
        QStringLiteral("按钮_清空Q"),
        QStringLiteral("按钮21"),
        QStringLiteral("按钮22"),
        {{QStringLiteral("按钮32"), kUsed, QStringLiteral("已用Q.txt")},
         {QStringLiteral("按钮31"), kUnused, QStringLiteral("未用Q.txt")},
         {QStringLiteral("按钮29"), QString(), QStringLiteral("全部Q.txt")}},
        {QStringLiteral("按钮33"), QStringLiteral("编辑框19"), QStringLiteral("编辑框17"),
         QStringLiteral("编辑框18")},
        QStringLiteral("高级导出Q.txt"),
        {QStringLiteral("按钮34"), QStringLiteral("编辑框22"), QStringLiteral("编辑框20"),
         QStringLiteral("编辑框21")},
        QStringLiteral("使用方式没有选择！使用不要填写，只能选择！"),
        QStringLiteral("添加记录失败！卡密不能重复,也不能空"),
        QStringLiteral("删除数据失败！@"),
        false,
    };
    return page;
}

const QString kNoChoice = QStringLiteral("请选择");
const QString kKey = QStringLiteral("卡密");

class KeyPageHandlers {
  public:
    KeyPageHandlers(PageContext& context, const KeyPage& page) : c_(context), page_(page) {}

    bool HasPeriod() const { return !page_.periodBox.isEmpty(); }

    // The editable columns in table order, without id and 备注.
    QStringList Columns() const {
        if (HasPeriod())
            return {QStringLiteral("产品"), kKey, QStringLiteral("卡期"), QStringLiteral("使用"),
                    QStringLiteral("买家")};
        return {QStringLiteral("产品"), kKey, QStringLiteral("使用"), QStringLiteral("买家")};
    }

    QStringList EditorValues(bool trimKey) const {
        const Controls& in = c_.controls;
        QString key = in.Text(page_.keyBox);
        if (trimKey)
            key = Trim(key);
        QStringList values{Trim(in.Text(page_.productBox)), key};
        if (HasPeriod())
            values.append(in.Text(page_.periodBox));
        values << in.Text(page_.stateBox) << in.Text(page_.buyerBox);
        return values;
    }

    bool StateChosen() {
        if (c_.controls.Text(page_.stateBox) != kNoChoice)
            return true;
        c_.dialogs.ShowMessage(page_.noStateMessage);
        return false;
    }

    void Add() {
        if (!StateChosen())
            return;
        c_.Report(c_.store.Insert(page_.table, Columns(), EditorValues(false)), page_.view,
                  QStringLiteral("添加记录成功"), page_.addFailedMessage);
    }

    // The whole paste is one transaction; a key that exists already or is empty is refused
    // by the store and not counted.
    void Paste() {
        const QStringList keys = SplitPastedKeys(c_.dialogs.ClipboardText());
        const QString product = Trim(c_.controls.Text(page_.productBox));
        QStringList columns{QStringLiteral("产品"), kKey};
        QStringList fixed{product};
        if (HasPeriod()) {
            columns.append(QStringLiteral("卡期"));
            fixed.append(Trim(c_.controls.Text(page_.periodBox)));
        }
        columns.append(QStringLiteral("使用"));
        fixed.append(kUnused);
        QList<QStringList> rows;
        rows.reserve(keys.size());
        for (const QString& key : keys) {
            QStringList row = fixed;
            row.insert(1, key);
            rows.append(std::move(row));
        }
        const int added = c_.store.InsertEach(page_.table, columns, rows);
        c_.refresh(page_.view);
        c_.dialogs.ShowMessage(QStringLiteral("添加记录成功！共加：%1个").arg(added));
    }

    // The row is found by the key it showed; with no row selected nothing matches and the
    // change is reported done, as the seller is used to.
    void Modify() {
        if (!StateChosen())
            return;
        const QString old = c_.controls.SelectedCell(page_.view, 2);
        c_.Report(c_.store.Update(page_.table, Columns(), EditorValues(page_.trimsModifiedKey),
                                  StoreCondition::Equals(kKey, old)),
                  page_.view, QStringLiteral("更改数据成功！"),
                  QStringLiteral("更改数据失败，卡密不能重复！"));
    }

    void DeleteSelected() {
        c_.Report(c_.DeleteSelected(page_.table, page_.view), page_.view,
                  QStringLiteral("删除数据成功"), page_.deleteFailedMessage);
    }

    void DeleteAll() {
        c_.Report(c_.store.DeleteAll(page_.table), page_.view, QStringLiteral("删除数据成功"),
                  QStringLiteral("删除数据失败！@"));
    }

    void Export(const std::optional<StoreCondition>& where, const QString& baseName) {
        const auto rows = c_.store.Select(page_.table, {kKey}, where);
        if (!rows)
            return;
        QStringList keys;
        keys.reserve(rows->size());
        for (const QStringList& row : *rows)
            keys.append(row.first());
        WriteExport(c_, keys, baseName);
    }

    std::optional<StoreCondition> Advanced(const AdvancedBoxes& boxes) const {
        const Controls& in = c_.controls;
        return AdvancedCondition(page_.table, in.Text(boxes.field), in.Text(boxes.op),
                                 in.Text(boxes.value));
    }

    // A condition naming no column of the table or an operator that is not a comparison is
    // refused like a statement the store cannot run: no file.
    void AdvancedExport() {
        if (const auto where = Advanced(page_.advancedExport))
            Export(where, page_.advancedExportName);
    }

    void AdvancedDelete() {
        const auto where = Advanced(page_.advancedDelete);
        c_.Report(where ? c_.store.Delete(page_.table, *where) : StoreResult{}, page_.view,
                  QStringLiteral("删除数据成功"), QStringLiteral("删除数据失败！"));
    }

    void RowClicked() {
        const int row = c_.controls.SelectedRow(page_.view);
        if (row < 0)
            return;
        QStringList boxes{page_.productBox, page_.keyBox};
        if (HasPeriod())
            boxes.append(page_.periodBox);
        boxes << page_.stateBox << page_.buyerBox;
        for (int i = 0; i < boxes.size(); ++i)
            c_.controls.SetText(boxes[i], c_.controls.Cell(page_.view, row, i + 1));
    }

    ControlActions Actions(std::shared_ptr<KeyPageHandlers> self) const {
        using E = ControlAction::Event;
        ControlActions a{
            {page_.addButton, E::Clicked, [self] { self->Add(); }},
            {page_.pasteButton, E::Clicked, [self] { self->Paste(); }},
            {page_.modifyButton, E::Clicked, [self] { self->Modify(); }},
            {page_.deleteButton, E::Clicked, [self] { self->DeleteSelected(); }},
            {page_.clearButton, E::Clicked, [self] { self->DeleteAll(); }},
            {page_.advancedExport.button, E::Clicked, [self] { self->AdvancedExport(); }},
            {page_.advancedDelete.button, E::Clicked, [self] { self->AdvancedDelete(); }},
            {page_.copyButton, E::Clicked,
             [self] {
                 self->c_.dialogs.SetClipboardText(self->c_.controls.Text(self->page_.productBox));
             }},
            {page_.pasteTitleButton, E::Clicked,
             [self] {
                 self->c_.controls.SetText(self->page_.productBox,
                                           self->c_.dialogs.ClipboardText());
             }},
            {page_.view, E::RowClicked, [self] { self->RowClicked(); }},
        };
        for (const KeyPage::Export& e : page_.exports) {
            std::optional<StoreCondition> where;
            if (!e.used.isEmpty())
                where = StoreCondition::Equals(QStringLiteral("使用"), e.used);
            a.append({e.button, E::Clicked,
                      [self, where, name = e.baseName] { self->Export(where, name); }});
        }
        return a;
    }

  private:
    PageContext& c_;
    const KeyPage& page_;
};

ControlActions ActionsFor(PageContext& context, const KeyPage& page) {
    auto handlers = std::make_shared<KeyPageHandlers>(context, page);
    return handlers->Actions(handlers);
}

}  // namespace

ControlActions CardKeyPageActions(PageContext& context) {
    return ActionsFor(context, CardKeyPage());
}

ControlActions CountKeyPageActions(PageContext& context) {
    return ActionsFor(context, CountKeyPage());
}

}  // namespace fahuo
