#pragma once

#include <QAbstractItemModel>
#include <QHash>
#include <QPointer>
#include <QSet>

#include "platform/Controls.h"

namespace fahuo::test {

// Controls held in maps: texts, ticks, enabled states, combo lists; list views are models
// registered under the view's name with a selected row.
class MapControls : public Controls {
  public:
    QString Text(const QString& name) const override { return texts_.value(name); }
    void SetText(const QString& name, const QString& text) override { texts_[name] = text; }
    bool Ticked(const QString& name) const override { return ticks_.value(name); }
    void SetTicked(const QString& name, bool ticked) override { ticks_[name] = ticked; }
    void SetEnabled(const QString& name, bool enabled) override { enabled_[name] = enabled; }
    bool Enabled(const QString& name) const override { return enabled_.value(name, true); }
    QStringList Items(const QString& name) const override { return items_.value(name); }
    void SetItems(const QString& name, const QStringList& items) override { items_[name] = items; }

    int RowCount(const QString& view) const override;
    QString Cell(const QString& view, int row, int column) const override;
    int SelectedRow(const QString& view) const override;

    void SetView(const QString& view, QAbstractItemModel* model) { views_[view] = model; }
    void Select(const QString& view, int row) { selected_[view] = row; }

  private:
    QHash<QString, QString> texts_;
    QHash<QString, bool> ticks_;
    QHash<QString, bool> enabled_;
    QHash<QString, QStringList> items_;
    QHash<QString, QPointer<QAbstractItemModel>> views_;
    QHash<QString, int> selected_;
};

}  // namespace fahuo::test
