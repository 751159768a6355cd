#pragma once

#include <QString>
#include <QStringList>

namespace fahuo {

// The window's controls as the rest of the program sees them: a setting is read by the control's
// object name at the moment it is needed, so what the seller types takes effect at its next use.
// List views are read through the same names (超级列表框_发货 and the others).
class Controls {
  public:
    virtual ~Controls() = default;

    // Text of an edit box, the editable text of a combo box, a label's or a button's caption,
    // a group's caption. Unknown names read as empty.
    virtual QString Text(const QString& name) const = 0;
    virtual void SetText(const QString& name, const QString& text) = 0;

    virtual bool Ticked(const QString& name) const = 0;
    virtual void SetTicked(const QString& name, bool ticked) = 0;

    virtual void SetEnabled(const QString& name, bool enabled) = 0;
    virtual bool Enabled(const QString& name) const = 0;

    // The drop-down list of a combo box.
    virtual QStringList Items(const QString& name) const = 0;
    virtual void SetItems(const QString& name, const QStringList& items) = 0;

    // List views: rows as shown, columns counted from 0, the selected row or -1.
    virtual int RowCount(const QString& view) const = 0;
    virtual QString Cell(const QString& view, int row, int column) const = 0;
    virtual int SelectedRow(const QString& view) const = 0;

    // Text of a column of the selected row; empty when no row is selected.
    QString SelectedCell(const QString& view, int column) const {
        const int row = SelectedRow(view);
        return row < 0 ? QString() : Cell(view, row, column);
    }
};

}  // namespace fahuo
