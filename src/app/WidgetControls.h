#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>

#include "platform/Controls.h"

class QAbstractItemView;

namespace fahuo {

// The window's controls, found by object name under one root widget. Multi-line boxes read
// and write their line breaks as CR LF, the form the templates, mails and confi.ini use.
// List views are read through their models; rows a lazy model has not fetched yet are fetched
// when asked for, so a reader sees every row of the table.
class WidgetControls : public Controls {
  public:
    explicit WidgetControls(QWidget* root);

    QString Text(const QString& name) const override;
    void SetText(const QString& name, const QString& text) override;
    bool Ticked(const QString& name) const override;
    void SetTicked(const QString& name, bool ticked) override;
    void SetEnabled(const QString& name, bool enabled) override;
    bool Enabled(const QString& name) const override;
    QStringList Items(const QString& name) const override;
    void SetItems(const QString& name, const QStringList& items) override;
    int RowCount(const QString& view) const override;
    QString Cell(const QString& view, int row, int column) const override;
    int SelectedRow(const QString& view) const override;

    QWidget* Find(const QString& name) const;

  private:
    QAbstractItemView* View(const QString& name) const;

    QPointer<QWidget> root_;
    mutable QHash<QString, QPointer<QWidget>> found_;
};

// Text of a multi-line box as CR LF lines, and the other way round.
QString ToWindowsLineBreaks(const QString& text);
QString ToWidgetLineBreaks(const QString& text);

}  // namespace fahuo
