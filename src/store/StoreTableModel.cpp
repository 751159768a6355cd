#include "store/StoreTableModel.h"

#include <QSize>
#include <QSqlQuery>

#include "store/LocalStore.h"
#include "store/StoreSchema.h"

namespace fahuo {

StoreTableModel::StoreTableModel(LocalStore& store, const QString& viewName, QObject* parent)
    : QAbstractTableModel(parent),
      store_(store),
      viewName_(viewName),
      table_(ViewTable(viewName)),
      columns_(ViewColumns(viewName)) {
    QStringList fields;
    for (const ViewColumn& c : columns_)
        fields.append(QuotedName(c.field));
    // id is column 0 of every view; the batches follow it, which is also the order in which
    // the table is stored.
    batchStatement_ = QStringLiteral("select %1 from %2 where \"id\" > ? order by \"id\" limit ?")
                          .arg(fields.join(QStringLiteral(", ")), QuotedName(table_));
}

void StoreTableModel::Refresh() {
    beginResetModel();
    rows_.clear();
    lastId_ = std::numeric_limits<qint64>::min();
    atEnd_ = !store_.IsOpen() || columns_.isEmpty();
    endResetModel();
    fetchMore(QModelIndex());
}

void StoreTableModel::FetchAll() {
    while (canFetchMore(QModelIndex()))
        fetchMore(QModelIndex());
}

int StoreTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int StoreTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant StoreTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size() || index.column() >= columns_.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::ToolTipRole)
        return rows_[index.row()][index.column()];
    return {};
}

QVariant StoreTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return columns_[section].header;
    if (role == Qt::SizeHintRole)
        return QSize(columns_[section].width, 0);
    return {};
}

bool StoreTableModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !atEnd_;
}

void StoreTableModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || atEnd_)
        return;
    QSqlQuery q = store_.Prepare(batchStatement_);
    q.setForwardOnly(true);
    q.addBindValue(lastId_);
    q.addBindValue(kBatchRows);
    if (!q.exec()) {
        atEnd_ = true;
        return;
    }
    QList<QStringList> batch;
    const int n = static_cast<int>(columns_.size());
    while (q.next()) {
        QStringList row;
        row.reserve(n);
        for (int i = 0; i < n; ++i)
            row.append(q.value(i).toString());
        lastId_ = q.value(0).toLongLong();
        batch.append(std::move(row));
    }
    atEnd_ = batch.size() < kBatchRows;
    if (batch.isEmpty())
        return;
    const int first = static_cast<int>(rows_.size());
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(batch.size()) - 1);
    rows_.append(std::move(batch));
    endInsertRows();
}

}  // namespace fahuo
