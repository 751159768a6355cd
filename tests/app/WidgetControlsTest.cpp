#include <QAbstractTableModel>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "app/ConnectActions.h"
#include "app/MainWindow.h"
#include "app/WidgetControls.h"
#include "support/RecordingDialogs.h"

using fahuo::ControlAction;
using fahuo::MainWindow;
using fahuo::WidgetControls;
using Event = fahuo::ControlAction::Event;

namespace {

// A table that hands out its rows ten at a time, as the store's lazily fetched models do.
class TenAtATime : public QAbstractTableModel {
  public:
    explicit TenAtATime(int total) : total_(total) {}
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : fetched_;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : 3;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole)
            return {};
        return QStringLiteral("r%1c%2").arg(index.row()).arg(index.column());
    }
    bool canFetchMore(const QModelIndex& parent) const override {
        return !parent.isValid() && fetched_ < total_;
    }
    void fetchMore(const QModelIndex&) override {
        const int more = qMin(10, total_ - fetched_);
        beginInsertRows({}, fetched_, fetched_ + more - 1);
        fetched_ += more;
        endInsertRows();
    }

  private:
    int total_;
    int fetched_ = 0;
};

}  // namespace

class WidgetControlsTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void multiLineBoxesSpeakCrLf();
    void appendLeavesCaretAtTheEnd();
    void comboTextAndItems();
    void captionsTicksAndEnabled();
    void unknownNamesAreHarmless();
    void listViewsReadEveryRow();
    void actionsReachTheirControls_data();
    void actionsReachTheirControls();
    void rowClickRunsOncePerClick();
    void actionsWithoutTheirControlAreReported();

  private:
    fahuo::test::RecordingDialogs* dialogs_ = nullptr;
    MainWindow* window_ = nullptr;
    WidgetControls* controls_ = nullptr;
};

void WidgetControlsTest::init() {
    dialogs_ = new fahuo::test::RecordingDialogs;
    window_ = new MainWindow(*dialogs_);
    controls_ = new WidgetControls(window_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void WidgetControlsTest::cleanup() {
    delete controls_;
    delete window_;
    delete dialogs_;
}

void WidgetControlsTest::multiLineBoxesSpeakCrLf() {
    const QString name = QStringLiteral("编辑框_产品邮件内容");
    controls_->SetText(name, QStringLiteral("第一行\r\n\r\n第三行"));
    auto* box = window_->findChild<QPlainTextEdit*>(name);
    QCOMPARE(box->toPlainText(), QStringLiteral("第一行\n\n第三行"));
    QCOMPARE(box->document()->blockCount(), 3);
    QCOMPARE(controls_->Text(name), QStringLiteral("第一行\r\n\r\n第三行"));
    // What the seller types (the widget's own line breaks) reads as CR LF too.
    box->setPlainText(QStringLiteral("a\nb"));
    QCOMPARE(controls_->Text(name), QStringLiteral("a\r\nb"));
}

void WidgetControlsTest::appendLeavesCaretAtTheEnd() {
    const QString name = QStringLiteral("编辑框_产品收件箱");
    auto* box = window_->findChild<QPlainTextEdit*>(name);
    controls_->SetText(name, QStringLiteral("亲\r\n卡密："));
    box->moveCursor(QTextCursor::Start);
    controls_->SetText(name, controls_->Text(name) + QStringLiteral("{niu_kami}"));
    QCOMPARE(box->textCursor().position(), box->toPlainText().size());
    // A text that replaces the old one is shown from its start.
    controls_->SetText(name, QStringLiteral("新的"));
    QCOMPARE(box->textCursor().position(), 0);
}

void WidgetControlsTest::comboTextAndItems() {
    const QString name = QStringLiteral("组合框_产品产品");
    controls_->SetItems(name, {QStringLiteral("宝贝一"), QStringLiteral("宝贝二")});
    QCOMPARE(controls_->Items(name), QStringList({"宝贝一", "宝贝二"}));
    QCOMPARE(controls_->Text(name),
             QStringLiteral("请从淘宝后台编辑产品时复制标题过来，或登录后点获取"));
    controls_->SetText(name, QStringLiteral("有了！请选择"));
    QCOMPARE(controls_->Text(name), QStringLiteral("有了！请选择"));
    controls_->SetItems(name, {});
    QCOMPARE(controls_->Items(name), QStringList());
    QCOMPARE(controls_->Text(name), QStringLiteral("有了！请选择"));
}

void WidgetControlsTest::captionsTicksAndEnabled() {
    controls_->SetText(QStringLiteral("分组框_wwcmd"),
                       QStringLiteral("本电脑已经安装千牛，保持打开！"));
    QCOMPARE(window_->findChild<QGroupBox*>(QStringLiteral("分组框_wwcmd"))->title(),
             QStringLiteral("本电脑已经安装千牛，保持打开！"));
    controls_->SetText(QStringLiteral("按钮_开始"), QStringLiteral("工作中"));
    controls_->SetEnabled(QStringLiteral("按钮_开始"), false);
    QCOMPARE(controls_->Text(QStringLiteral("按钮_开始")), QStringLiteral("工作中"));
    QVERIFY(!controls_->Enabled(QStringLiteral("按钮_开始")));
    controls_->SetText(QStringLiteral("标签_总金额"), QStringLiteral("29"));
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("标签_总金额"))->text(),
             QStringLiteral("29"));
    controls_->SetTicked(QStringLiteral("选择框_网验开关"), true);
    QVERIFY(controls_->Ticked(QStringLiteral("选择框_网验开关")));
}

void WidgetControlsTest::unknownNamesAreHarmless() {
    controls_->SetText(QStringLiteral("编辑框_没有这个"), QStringLiteral("x"));
    QCOMPARE(controls_->Text(QStringLiteral("编辑框_没有这个")), QString());
    QVERIFY(!controls_->Ticked(QStringLiteral("编辑框_没有这个")));
    QCOMPARE(controls_->RowCount(QStringLiteral("超级列表框_没有")), 0);
    QCOMPARE(controls_->SelectedRow(QStringLiteral("超级列表框_发货")), -1);
    QCOMPARE(controls_->Cell(QStringLiteral("超级列表框_发货"), 0, 0), QString());
}

void WidgetControlsTest::listViewsReadEveryRow() {
    TenAtATime model(35);
    const QString view = QStringLiteral("超级列表框_卡密");
    window_->SetViewModel(view, &model, {50, 450, 150});
    QCOMPARE(window_->View(view)->columnWidth(1), 450);
    QCOMPARE(controls_->Cell(view, 34, 2), QStringLiteral("r34c2"));
    QCOMPARE(controls_->RowCount(view), 35);
    QCOMPARE(controls_->SelectedRow(view), -1);
    QCOMPARE(controls_->SelectedCell(view, 1), QString());
    window_->View(view)->selectRow(17);
    QCOMPARE(controls_->SelectedRow(view), 17);
    QCOMPARE(controls_->SelectedCell(view, 1), QStringLiteral("r17c1"));
    // The selection keeps its colours when the list loses the focus.
    const QPalette p = window_->View(view)->palette();
    QCOMPARE(p.color(QPalette::Inactive, QPalette::Highlight),
             p.color(QPalette::Active, QPalette::Highlight));
}

void WidgetControlsTest::actionsReachTheirControls_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("event");
    QTest::newRow("button click") << QStringLiteral("按钮13") << int(Event::Clicked);
    QTest::newRow("check box click") << QStringLiteral("选择框_网验开关") << int(Event::Clicked);
    QTest::newRow("label press") << QStringLiteral("标签65") << int(Event::Clicked);
    QTest::newRow("row click") << QStringLiteral("超级列表框_卡密") << int(Event::RowClicked);
    QTest::newRow("item chosen") << QStringLiteral("组合框_产品方式") << int(Event::ItemChosen);
}

void WidgetControlsTest::actionsReachTheirControls() {
    QFETCH(QString, control);
    QFETCH(int, event);
    TenAtATime model(5);
    window_->SetViewModel(QStringLiteral("超级列表框_卡密"), &model);
    int runs = 0;
    const QStringList missing =
        fahuo::ConnectActions(window_, {ControlAction{control, Event(event), [&]() { ++runs; }}});
    QVERIFY(missing.isEmpty());
    QWidget* w = window_->Control(control);
    for (int page = 0; page < window_->Tabs()->count(); ++page) {
        if (window_->Tabs()->widget(page)->isAncestorOf(w))
            window_->Tabs()->setCurrentIndex(page);
    }
    QCoreApplication::processEvents();  // the list lays out its rows once shown
    switch (Event(event)) {
        case Event::Clicked:
            if (qobject_cast<QLabel*>(w)) {
                QTest::mousePress(w, Qt::LeftButton);
                QTest::mouseRelease(w, Qt::LeftButton);
            } else {
                QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
            }
            break;
        case Event::RowClicked: {
            auto* view = qobject_cast<QTableView*>(w);
            const QRect cell = view->visualRect(model.index(2, 1));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
            QCOMPARE(controls_->SelectedRow(control), 2);
            break;
        }
        case Event::ItemChosen: {
            auto* combo = qobject_cast<QComboBox*>(w);
            // Typing in the box is not choosing an item.
            QTest::keyClicks(combo->lineEdit(), QStringLiteral("x"));
            QCOMPARE(runs, 0);
            emit combo->activated(2);
            break;
        }
    }
    QCOMPARE(runs, 1);
}

void WidgetControlsTest::rowClickRunsOncePerClick() {
    TenAtATime model(5);
    const QString name = QStringLiteral("超级列表框_发件箱");
    window_->SetViewModel(name, &model);
    QList<int> rowsSeen;
    fahuo::ConnectActions(window_, {ControlAction{name, Event::RowClicked, [&]() {
                                                      rowsSeen.append(controls_->SelectedRow(name));
                                                  }}});
    window_->Tabs()->setCurrentIndex(2);
    QCoreApplication::processEvents();
    auto* view = window_->View(name);
    auto clickRow = [&](int row) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(model.index(row, 0)).center());
    };
    clickRow(1);
    clickRow(1);  // the same row again still fills the boxes again
    clickRow(3);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Up);
    QCOMPARE(rowsSeen, QList<int>({1, 1, 3, 2}));
}

void WidgetControlsTest::actionsWithoutTheirControlAreReported() {
    int runs = 0;
    const QStringList missing = fahuo::ConnectActions(
        window_, {ControlAction{QStringLiteral("按钮_没有"), Event::Clicked, [&]() { ++runs; }},
                  ControlAction{QStringLiteral("按钮13"), Event::ItemChosen, [&]() { ++runs; }},
                  ControlAction{QStringLiteral("按钮14"), Event::Clicked, [&]() { ++runs; }}});
    QCOMPARE(missing, QStringList({"按钮_没有", "按钮13"}));
}

QTEST_MAIN(WidgetControlsTest)
#include "WidgetControlsTest.moc"
