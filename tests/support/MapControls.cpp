#include "support/MapControls.h"

namespace fahuo::test {

int MapControls::RowCount(const QString& view) const {
    QAbstractItemModel* model = views_.value(view);
    if (!model)
        return 0;
    while (model->canFetchMore(QModelIndex()))
        model->fetchMore(QModelIndex());
    return model->rowCount();
}

QString MapControls::Cell(const QString& view, int row, int column) const {
    QAbstractItemModel* model = views_.value(view);
    if (!model)
        return {};
    return model->index(row, column).data(Qt::DisplayRole).toString();
}

int MapControls::SelectedRow(const QString& view) const {
    const int row = selected_.value(view, -1);
    return row < RowCount(view) ? row : -1;
}

}  // namespace fahuo::test
