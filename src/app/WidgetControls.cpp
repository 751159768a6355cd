#include "app/WidgetControls.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextEdit>

namespace fahuo {

QString ToWindowsLineBreaks(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    out.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
    out.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return out;
}

QString ToWidgetLineBreaks(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

namespace {

// An append (a placeholder label, a key added at the end) leaves the caret at the end in view;
// any other text is shown from its start.
void SetMultiLineText(QPlainTextEdit* box, const QString& text) {
    const QString old = box->toPlainText();
    const QString now = ToWidgetLineBreaks(text);
    if (now == old)
        return;
    box->setPlainText(now);
    if (!old.isEmpty() && now.startsWith(old)) {
        box->moveCursor(QTextCursor::End);
        box->ensureCursorVisible();
    }
}

}  // namespace

WidgetControls::WidgetControls(QWidget* root) : root_(root) {}

QWidget* WidgetControls::Find(const QString& name) const {
    if (name.isEmpty() || !root_)
        return nullptr;
    auto it = found_.constFind(name);
    if (it != found_.constEnd() && *it)
        return *it;
    QWidget* widget = root_->objectName() == name ? root_.data() : root_->findChild<QWidget*>(name);
    if (widget)
        found_.insert(name, widget);
    return widget;
}

QString WidgetControls::Text(const QString& name) const {
    QWidget* w = Find(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(w))
        return ToWindowsLineBreaks(box->toPlainText());
    if (auto* rich = qobject_cast<QTextEdit*>(w))
        return ToWindowsLineBreaks(rich->toPlainText());
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* group = qobject_cast<QGroupBox*>(w))
        return group->title();
    if (w)
        return w->windowTitle();
    return QString();
}

void WidgetControls::SetText(const QString& name, const QString& text) {
    QWidget* w = Find(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(text);
        edit->setCursorPosition(0);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(w)) {
        SetMultiLineText(box, text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
        rich->setPlainText(ToWidgetLineBreaks(text));
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable()) {
            combo->setEditText(text);
            if (combo->lineEdit())
                combo->lineEdit()->setCursorPosition(0);
        } else {
            combo->setCurrentIndex(combo->findText(text));
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(text);
    }
}

bool WidgetControls::Ticked(const QString& name) const {
    auto* button = qobject_cast<QAbstractButton*>(Find(name));
    return button && button->isChecked();
}

void WidgetControls::SetTicked(const QString& name, bool ticked) {
    if (auto* button = qobject_cast<QAbstractButton*>(Find(name)))
        button->setChecked(ticked);
}

void WidgetControls::SetEnabled(const QString& name, bool enabled) {
    if (QWidget* w = Find(name))
        w->setEnabled(enabled);
}

bool WidgetControls::Enabled(const QString& name) const {
    QWidget* w = Find(name);
    return w && w->isEnabled();
}

QStringList WidgetControls::Items(const QString& name) const {
    QStringList items;
    if (auto* combo = qobject_cast<QComboBox*>(Find(name))) {
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
    }
    return items;
}

void WidgetControls::SetItems(const QString& name, const QStringList& items) {
    auto* combo = qobject_cast<QComboBox*>(Find(name));
    if (!combo)
        return;
    // Filling the list must not change what the box shows; the caller sets that itself.
    const QString shown = combo->currentText();
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(items);
    if (combo->isEditable())
        combo->setEditText(shown);
    else
        combo->setCurrentIndex(combo->findText(shown));
}

QAbstractItemView* WidgetControls::View(const QString& name) const {
    return qobject_cast<QAbstractItemView*>(Find(name));
}

int WidgetControls::RowCount(const QString& view) const {
    QAbstractItemView* v = View(view);
    QAbstractItemModel* model = v ? v->model() : nullptr;
    if (!model)
        return 0;
    while (model->canFetchMore(QModelIndex()))
        model->fetchMore(QModelIndex());
    return model->rowCount();
}

QString WidgetControls::Cell(const QString& view, int row, int column) const {
    QAbstractItemView* v = View(view);
    QAbstractItemModel* model = v ? v->model() : nullptr;
    if (!model || row < 0 || column < 0)
        return QString();
    while (row >= model->rowCount() && model->canFetchMore(QModelIndex()))
        model->fetchMore(QModelIndex());
    return model->index(row, column).data(Qt::DisplayRole).toString();
}

int WidgetControls::SelectedRow(const QString& view) const {
    QAbstractItemView* v = View(view);
    if (!v || !v->selectionModel())
        return -1;
    const QModelIndexList rows = v->selectionModel()->selectedRows();
    if (!rows.isEmpty())
        return rows.first().row();
    const QModelIndexList cells = v->selectionModel()->selectedIndexes();
    return cells.isEmpty() ? -1 : cells.first().row();
}

}  // namespace fahuo
