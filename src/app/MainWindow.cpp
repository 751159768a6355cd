#include "app/MainWindow.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTableView>

#include "app/CaptionWithGap.h"
#include "app/ConnectActions.h"
#include "app/ControlTable.h"
#include "app/WidgetControls.h"
#include "text/TextRules.h"

namespace fahuo {
namespace {

const QString kWindowName = QStringLiteral("窗口");
const QString kTabsName = QStringLiteral("选择夹2");
const QString kStripName = QStringLiteral("分组框1");
const QString kCollapseButton = QStringLiteral("按钮1");
const QString kBrowserName = QStringLiteral("互联网浏览器1");
const QRect kBrowserPlace(8, 44, 840, 408);

const QColor kTierColour(0xC0, 0x10, 0x10);
const QColor kLinkColour(0x10, 0x50, 0xC0);
const QColor kHintColour(0x60, 0x60, 0x60);

void SetTextColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Active, QPalette::Text, colour);
    p.setColor(QPalette::Inactive, QPalette::Text, colour);
    p.setColor(QPalette::Active, QPalette::WindowText, colour);
    p.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    w->setPalette(p);
}

QPixmap PromotionPicture(const QSize& size) {
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, size.width(), 0);
    fill.setColorAt(0, QColor(0x0E, 0x6B, 0x78));
    fill.setColorAt(1, QColor(0x3C, 0xA5, 0x8C));
    painter.fillRect(picture.rect(), fill);
    painter.setPen(Qt::white);
    QFont big = painter.font();
    big.setPointSize(12);
    big.setBold(true);
    painter.setFont(big);
    painter.drawText(QRect(12, 0, size.width() - 24, size.height()),
                     Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("青鸾自动发货 Fahuo"));
    QFont small = painter.font();
    small.setPointSize(9);
    small.setBold(false);
    painter.setFont(small);
    painter.drawText(QRect(12, 0, size.width() - 24, size.height()),
                     Qt::AlignVCenter | Qt::AlignRight,
                     QStringLiteral("点这里看使用说明和新版本 >"));
    return picture;
}

void SetUpListView(QTableView* view) {
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->setWordWrap(false);
    view->setTextElideMode(Qt::ElideRight);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(20);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view->horizontalHeader()->setStretchLastSection(false);
    // The selected row stays as visible when the seller works in the boxes below the list.
    QPalette p = view->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        p.setColor(QPalette::Inactive, role, p.color(QPalette::Active, role));
    view->setPalette(p);
}

}  // namespace

QIcon ProgramIcon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(2, 2, 60, 60), 14, 14);
    painter.fillPath(shape, QColor(0x0E, 0x6B, 0x78));
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(40);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("青"));
    return QIcon(pixmap);
}

MainWindow::MainWindow(UserDialogs& dialogs, QWidget* parent) : QWidget(parent), dialogs_(dialogs) {
    setObjectName(kWindowName);
    setWindowTitle(QStringLiteral(
        "青鸾自动发货软件V3  使用时电脑要安装千牛并打开 点一下监控淘宝窗口上登录一下 点开始"));
    setWindowIcon(ProgramIcon());
    QFont look = font();
    look.setFamilies({QStringLiteral("Microsoft YaHei UI"), QStringLiteral("Microsoft YaHei"),
                      QStringLiteral("SimSun"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Micro Hei")});
    look.setPointSize(9);
    setFont(look);
    setFixedSize(kDesignWidth, kDesignHeight);

    Build();

    trayAvailable_ = QSystemTrayIcon::isSystemTrayAvailable();
    tray_ = new QSystemTrayIcon(windowIcon(), this);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::DoubleClick)
            RestoreFromTray();
    });
    successCount_ = [this]() {
        QLabel* counter = qobject_cast<QLabel*>(Control(QStringLiteral("标签_成功次数")));
        return counter ? TextToInteger(counter->text()) : 0;
    };
    ConnectActions(this, OwnActions());
}

void MainWindow::Build() {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(kTabsName);
    tabs_->setGeometry(2, 2, kDesignWidth - 4, kStripTopExpanded - 4);
    named_.insert(kWindowName, this);
    named_.insert(kTabsName, tabs_);

    const QList<ControlSpec>& table = WindowControls();
    QWidget* previous = nullptr;
    for (int i = 0; i < table.size(); ++i) {
        const ControlSpec& spec = table.at(i);
        const QString parentName = QString::fromUtf8(spec.parent);
        QWidget* parent = nullptr;
        if (spec.kind != ControlKind::Page) {
            parent = named_.value(parentName);
            Q_ASSERT_X(parent, "MainWindow", spec.name);
            if (!parent)
                continue;
        }
        QWidget* created = CreateControl(i, parent, previous);
        if (const QString name = QString::fromUtf8(spec.name); !name.isEmpty()) {
            created->setObjectName(name);
            named_.insert(name, created);
        }
        if (spec.flags & kEmptiedByDoubleClick)
            WatchDoubleClick(created);
        previous = created;
    }
    strip_ = named_.value(kStripName);
    // Collapsed, the strip lies over the tabs and is all that shows.
    strip_->setAutoFillBackground(true);
    strip_->raise();
    stripHeight_ = strip_->height();
}

QWidget* MainWindow::CreateControl(int index, QWidget* parent, QWidget* previous) {
    const ControlSpec& spec = WindowControls().at(index);
    const QString text = QString::fromUtf8(spec.text);
    QWidget* w = nullptr;
    switch (spec.kind) {
        case ControlKind::Page: {
            w = new QWidget;
            tabs_->addTab(w, text);
            return w;
        }
        case ControlKind::Group:
            w = new QGroupBox(text, parent);
            break;
        case ControlKind::Label: {
            QLabel* label = spec.flags & kGapHost ? new GapLabel(text, spec.w, parent)
                                                  : new QLabel(text, parent);
            label->setWordWrap(spec.flags & kWrap);
            if (spec.flags & kInGap)
                label->setAlignment(Qt::AlignCenter);
            if (spec.flags & kHint)
                SetTextColour(label, kHintColour);
            if (spec.flags & kTierText)
                SetTextColour(label, kTierColour);
            if (spec.flags & kAppendLabel) {
                SetTextColour(label, kLinkColour);
                label->setCursor(Qt::PointingHandCursor);
                label->setToolTip(QStringLiteral("点一下加到下面框的末尾"));
            }
            w = label;
            break;
        }
        case ControlKind::Link: {
            auto* link = new QLabel(text, parent);
            QFont underlined = link->font();
            underlined.setUnderline(true);
            link->setFont(underlined);
            SetTextColour(link, kLinkColour);
            link->setCursor(Qt::PointingHandCursor);
            w = link;
            break;
        }
        case ControlKind::Picture: {
            auto* picture = new QLabel(parent);
            picture->setPixmap(PromotionPicture(QSize(spec.w, spec.h)));
            picture->setCursor(Qt::PointingHandCursor);
            w = picture;
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(text, parent);
            edit->setCursorPosition(0);
            if (spec.flags & kPassword)
                edit->setEchoMode(QLineEdit::Password);
            if (spec.flags & kTierText)
                SetTextColour(edit, kTierColour);
            w = edit;
            break;
        }
        case ControlKind::Memo: {
            auto* memo = new QPlainTextEdit(parent);
            memo->setPlainText(ToWidgetLineBreaks(text));
            w = memo;
            break;
        }
        case ControlKind::Combo: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(true);
            // The seller's typing is a product title: never complete it to another item.
            combo->setCompleter(nullptr);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setMaxVisibleItems(20);
            if (const QString items = QString::fromUtf8(spec.items); !items.isEmpty())
                combo->addItems(items.split(QLatin1Char('|')));
            combo->setEditText(text);
            w = combo;
            break;
        }
        case ControlKind::Check: {
            QCheckBox* box = spec.flags & kGapHost ? new GapCheckBox(text, spec.w, parent)
                                                   : new QCheckBox(text, parent);
            box->setChecked(spec.flags & kTicked);
            w = box;
            break;
        }
        case ControlKind::Button:
            w = new QPushButton(text, parent);
            break;
        case ControlKind::List: {
            auto* view = new QTableView(parent);
            SetUpListView(view);
            w = view;
            break;
        }
    }

    if (spec.flags & kInGap) {
        QRect gap;
        if (auto* label = dynamic_cast<GapLabel*>(previous))
            gap = label->GapRect();
        else if (auto* box = dynamic_cast<GapCheckBox*>(previous))
            gap = box->GapRect();
        Q_ASSERT_X(previous && gap.isValid(), "MainWindow", spec.name);
        const QPoint at = previous ? previous->pos() : QPoint();
        const int top = previous ? previous->height() : spec.h;
        w->setGeometry(at.x() + gap.x(), at.y() + (top - spec.h) / 2, gap.width(), spec.h);
    } else if (spec.flags & kGapHost) {
        const int width = spec.kind == ControlKind::Check
                              ? static_cast<GapCheckBox*>(w)->PreferredWidth()
                              : static_cast<GapLabel*>(w)->PreferredWidth();
        w->setGeometry(spec.x, spec.y, width, spec.h);
    } else {
        w->setGeometry(spec.x, spec.y, spec.w, spec.h);
    }
    return w;
}

void MainWindow::AppendToBox(const QString& box, const QString& text) {
    // At the end whatever the caret position, and the box scrolls there.
    if (auto* memo = qobject_cast<QPlainTextEdit*>(Control(box))) {
        memo->moveCursor(QTextCursor::End);
        memo->insertPlainText(text);
        memo->ensureCursorVisible();
    } else if (auto* edit = qobject_cast<QLineEdit*>(Control(box))) {
        edit->end(false);
        edit->insert(text);
    }
}

ControlActions MainWindow::OwnActions() {
    using Event = ControlAction::Event;
    ControlActions actions;
    for (const AppendLabel& label : TemplateAppendLabels()) {
        actions.append({QString::fromUtf8(label.label), Event::Clicked,
                        [this, box = QString::fromUtf8(label.box),
                         text = QString::fromUtf8(label.appended)]() { AppendToBox(box, text); }});
    }
    return actions +
           ControlActions{
               {kCollapseButton, Event::Clicked, [this]() { ToggleCollapse(); }},
               // Asking for large direct-count attachments only makes sense with the key switch on.
               {QStringLiteral("选择框_量大生附件"), Event::Clicked,
                [this]() {
                    if (auto* box =
                            qobject_cast<QCheckBox*>(Control(QStringLiteral("选择框_发卡开关"))))
                        box->setChecked(true);
                }},
               {QStringLiteral("超级链接框_帮助"), Event::Clicked,
                [this]() { dialogs_.OpenInBrowser(kShareAddress); }},
               {QStringLiteral("图片框1"), Event::Clicked,
                [this]() { dialogs_.OpenInBrowser(kHomeAddress); }},
           };
}

void MainWindow::WatchDoubleClick(QWidget* control) {
    QObject* target = control;
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control))
        target = memo->viewport();
    else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        target = combo->lineEdit();
    emptiedBy_.insert(target, control);
    target->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (QWidget* box = emptiedBy_.value(watched)) {
            if (auto* edit = qobject_cast<QLineEdit*>(box))
                edit->clear();
            else if (auto* memo = qobject_cast<QPlainTextEdit*>(box))
                memo->clear();
            else if (auto* combo = qobject_cast<QComboBox*>(box))
                combo->setEditText(QString());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QTableView* MainWindow::View(const QString& name) const {
    return qobject_cast<QTableView*>(Control(name));
}

void MainWindow::SetBrowser(QWidget* browser) {
    QWidget* page = named_.value(PageName(0));
    browser->setParent(page);
    browser->setObjectName(kBrowserName);
    browser->setGeometry(kBrowserPlace);
    browser->raise();
    browser->show();
    named_.insert(kBrowserName, browser);
}

void MainWindow::SetViewModel(const QString& view, QAbstractItemModel* model,
                              const QList<int>& widths) {
    QTableView* table = View(view);
    if (!table)
        return;
    table->setModel(model);
    for (int column = 0; column < widths.size(); ++column)
        table->setColumnWidth(column, widths.at(column));
}

void MainWindow::ToggleCollapse() {
    auto* button = qobject_cast<QPushButton*>(Control(kCollapseButton));
    if (height() < 600) {
        setFixedHeight(kExpandedHeight);
        strip_->setGeometry(strip_->x(), kStripTopExpanded, strip_->width(), stripHeight_);
        button->setText(QStringLiteral("<<收缩"));
    } else {
        setFixedHeight(kCollapsedHeight);
        // Taller, so that nothing of the tabs peeps out below it.
        strip_->setGeometry(strip_->x(), kStripTopCollapsed, strip_->width(),
                            kCollapsedHeight - kStripTopCollapsed);
        button->setText(QStringLiteral("展开>>"));
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!dialogs_.AskYesNo(QStringLiteral("是否最小化？"), QStringLiteral("提示"))) {
        event->accept();
        if (shutdown_)
            shutdown_();
        return;
    }
    event->ignore();
    if (!trayAvailable_) {
        showMinimized();
        return;
    }
    hide();
    const qint64 count = successCount_ ? successCount_() : 0;
    tray_->setToolTip(QStringLiteral("已经成功交易") + QString::number(count) +
                      QStringLiteral("笔生意"));
    tray_->show();
}

void MainWindow::RestoreFromTray() {
    showNormal();
    raise();
    activateWindow();
    tray_->hide();
}

}  // namespace fahuo
