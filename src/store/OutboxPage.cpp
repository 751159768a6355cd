// Page 3: the sending mailboxes in 发件箱, their bulk paste, export and numbered generation.
#include "store/MaintenancePages.h"
#include "store/PastedText.h"
#include "store/SmtpHost.h"
#include "store/StoreExport.h"
#include "store/StoreSchema.h"
#include "store/StoreViews.h"
#include "text/TextRules.h"

namespace fahuo {
namespace {

const QString kProductBox = QStringLiteral("组合框_发件箱产品");
const QString kAddressBox = QStringLiteral("编辑框_发件箱发件箱");
const QString kPasswordBox = QStringLiteral("编辑框_发件箱密码");
const QString kServerBox = QStringLiteral("编辑框_发件箱邮箱服务器");
const QString kPortBox = QStringLiteral("编辑框_发件箱端口");
const QString kAddress = QStringLiteral("发件箱");

const QStringList& Columns() {
    static const QStringList columns = {QStringLiteral("产品"), kAddress, QStringLiteral("密码"),
                                        QStringLiteral("邮箱服务器"), QStringLiteral("端口")};
    return columns;
}

class OutboxPage {
  public:
    explicit OutboxPage(PageContext& context) : c_(context) {}

    QStringList EditorValues() const {
        const Controls& in = c_.controls;
        return {Trim(in.Text(kProductBox)), in.Text(kAddressBox), in.Text(kPasswordBox),
                in.Text(kServerBox), in.Text(kPortBox)};
    }

    void Add() {
        c_.Report(c_.store.Insert(table::kOutbox, Columns(), EditorValues()), view::kOutbox,
                  QStringLiteral("添加记录成功"),
                  QStringLiteral("添加记录失败！邮箱不能重复，也不能空"));
    }

    // One transaction; an address that exists already is refused by the store, silently.
    void Paste() {
        const QString product = Trim(c_.controls.Text(kProductBox));
        const QString port = c_.controls.Text(kPortBox);
        QList<QStringList> rows;
        for (const PastedMailbox& box : ParsePastedMailboxes(c_.dialogs.ClipboardText()))
            rows.append(
                {product, box.address, box.password, SmtpHostForAddress(box.address), port});
        c_.store.InsertEach(table::kOutbox, Columns(), rows);
        c_.refresh(view::kOutbox);
    }

    void Modify() {
        const QString old = c_.controls.SelectedCell(view::kOutbox, 2);
        c_.Report(c_.store.Update(table::kOutbox, Columns(), EditorValues(),
                                  StoreCondition::Equals(kAddress, old)),
                  view::kOutbox, QStringLiteral("更改数据成功！"),
                  QStringLiteral("更改数据失败！邮箱不能重复，也不能空"));
    }

    void Deleted(const StoreResult& result) {
        c_.Report(result, view::kOutbox, QStringLiteral("删除数据成功"),
                  QStringLiteral("删除数据失败！@"));
    }

    void DeleteSelected() { Deleted(c_.DeleteSelected(table::kOutbox, view::kOutbox)); }

    void DeleteAll() { Deleted(c_.store.DeleteAll(table::kOutbox)); }

    // Lines in the form the paste reads, so an exported file can be pasted back.
    void Export() {
        const auto rows = c_.store.Select(table::kOutbox, {kAddress, QStringLiteral("密码")});
        if (!rows)
            return;
        QStringList lines;
        lines.reserve(rows->size());
        for (const QStringList& row : *rows)
            lines.append(row[0] + QStringLiteral("----") + row[1]);
        WriteExport(c_, lines, QStringLiteral("发件箱.txt"));
    }

    // Numbered enterprise mailboxes prefix + n + suffix, n from the first to the last number,
    // all in one transaction; addresses that exist already are skipped.
    void Generate() {
        const Controls& in = c_.controls;
        const qint64 first = TextToInteger(in.Text(QStringLiteral("编辑框2")));
        const qint64 last = TextToInteger(in.Text(QStringLiteral("编辑框3")));
        const QString product = in.Text(QStringLiteral("编辑框6"));
        const QString prefix = in.Text(QStringLiteral("编辑框1"));
        const QString suffix = in.Text(QStringLiteral("编辑框_企业邮箱后缀"));
        const QString password = in.Text(QStringLiteral("编辑框5"));
        qint64 n = first;
        bool more = first <= last;
        c_.store.InsertEach(table::kOutbox, Columns(), [&](QStringList* row) {
            if (!more)
                return false;
            *row = {product, prefix + QString::number(n) + suffix, password, kEnterpriseSmtpHost,
                    QStringLiteral("25")};
            // Stops at the last number without stepping past the largest one.
            if (n < last)
                ++n;
            else
                more = false;
            return true;
        });
        c_.refresh(view::kOutbox);
    }

    void RowClicked() {
        const int row = c_.controls.SelectedRow(view::kOutbox);
        if (row < 0)
            return;
        const QStringList boxes = {kProductBox, kAddressBox, kPasswordBox, kServerBox, kPortBox};
        for (int i = 0; i < boxes.size(); ++i)
            c_.controls.SetText(boxes[i], c_.controls.Cell(view::kOutbox, row, i + 1));
    }

  private:
    PageContext& c_;
};

}  // namespace

ControlActions OutboxPageActions(PageContext& context) {
    using E = ControlAction::Event;
    auto p = std::make_shared<OutboxPage>(context);
    return {
        {QStringLiteral("按钮25"), E::Clicked, [p] { p->Add(); }},
        {QStringLiteral("按钮23"), E::Clicked, [p] { p->Paste(); }},
        {QStringLiteral("按钮_修改发件箱"), E::Clicked, [p] { p->Modify(); }},
        {QStringLiteral("按钮24"), E::Clicked, [p] { p->DeleteSelected(); }},
        {QStringLiteral("按钮20"), E::Clicked, [p] { p->DeleteAll(); }},
        {QStringLiteral("按钮35"), E::Clicked, [p] { p->Export(); }},
        {QStringLiteral("按钮26"), E::Clicked, [p] { p->Generate(); }},
        {view::kOutbox, E::RowClicked, [p] { p->RowClicked(); }},
    };
}

}  // namespace fahuo
