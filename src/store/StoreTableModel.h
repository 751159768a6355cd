#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include "store/StoreViews.h"

namespace fahuo {

class LocalStore;

// The rows of one table as one list view shows them, read in batches as the view scrolls, so
// that a table of a million keys opens at once. Every batch is a query of its own, continuing
// after the last id read; nothing stays open between batches.
class StoreTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int kBatchRows = 256;

    StoreTableModel(LocalStore& store, const QString& viewName, QObject* parent = nullptr);

    const QString& viewName() const { return viewName_; }

    // Reads the table again from its start: the rows of the first batch are there on return.
    void Refresh();
    // Reads every remaining batch (for readers that need all rows, such as the product cache).
    void FetchAll();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

  private:
    LocalStore& store_;
    QString viewName_;
    QString table_;
    QList<ViewColumn> columns_;
    QString batchStatement_;
    QList<QStringList> rows_;
    qint64 lastId_ = 0;
    bool atEnd_ = true;
};

}  // namespace fahuo
