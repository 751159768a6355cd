#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>

#include "store/StoreCondition.h"

namespace fahuo {

// The outcome of one statement: whether the engine ran it (a statement matching no row is a
// success) and, when not, the engine's words for it.
struct StoreResult {
    bool ok = false;
    int rowsAffected = 0;
    QString error;
    explicit operator bool() const { return ok; }
};

// The local store, MDBfahuo.mdb: one SQLite connection kept for the life of the process. Every
// reader runs a query of its own and every value is bound, so a title, key or template holding
// a quote or a backslash is stored as typed.
class LocalStore {
  public:
    static QString FileName();  // "MDBfahuo.mdb"

    LocalStore();
    ~LocalStore();
    LocalStore(const LocalStore&) = delete;
    LocalStore& operator=(const LocalStore&) = delete;

    // Opens MDBfahuo.mdb in the data folder; a missing file is created with the empty tables.
    // False for a file that is not a usable store, which is then left exactly as it was.
    bool Open(const QString& dataDir);
    // Opens an existing store file; never creates one.
    bool OpenExisting(const QString& path);
    bool IsOpen() const { return open_; }
    QString DataDir() const;
    QString LastError() const { return lastError_; }

    // The connection, for the table models and the statements of this library.
    QSqlDatabase Database() const;

    StoreResult Insert(const QString& table, const QStringList& columns, const QStringList& values);
    // Inserts every row in one transaction; a row the store refuses (a repeated or empty key)
    // is skipped. Returns the number of rows that went in, 0 when the transaction failed.
    int InsertEach(const QString& table, const QStringList& columns,
                   const QList<QStringList>& rows);
    // The same for rows made one at a time: next fills the row and returns false after the
    // last one, so a long series never sits in memory.
    int InsertEach(const QString& table, const QStringList& columns,
                   const std::function<bool(QStringList* row)>& next);
    // Sets the columns on every row that meets the condition.
    StoreResult Update(const QString& table, const QStringList& columns, const QStringList& values,
                       const StoreCondition& where);
    StoreResult Delete(const QString& table, const StoreCondition& where);
    StoreResult DeleteAll(const QString& table);

    // The texts of the columns for every row meeting the condition (all rows without one), in
    // the order they were stored. nullopt when the statement fails.
    std::optional<QList<QStringList>> Select(const QString& table, const QStringList& columns,
                                             const std::optional<StoreCondition>& where = {});

    // The 26 product fields (产品 to 邮件附件) of the product with exactly this title.
    std::optional<QStringList> ReadProduct(const QString& title);

    // Keys for one order, all in one transaction: up to n of the first unused keys of the
    // product (and for card keys of the period) as the database returns them, each marked 已用
    // by the buyer, together with every other row of that table holding the same key text.
    // Fewer when the stock runs out (never padded: the delivery decides how a missing key
    // looks); none at all, and nothing marked, when the store fails.
    QStringList TakeCountKeys(const QString& title, const QString& buyerNick, qint64 n);
    QStringList TakeCardKeys(const QString& title, const QString& period, const QString& buyerNick,
                             qint64 n);

    // A statement prepared on this connection, for the loops that run one statement many times.
    QSqlQuery Prepare(const QString& statement, QString* error = nullptr);

    bool BeginTransaction();
    bool Commit();
    void Rollback();

  private:
    bool OpenChecked(const QString& path);
    StoreResult Run(QSqlQuery& query);
    QStringList TakeKeys(const QString& table, const QStringList& matchColumns,
                         const QStringList& matchValues, const QString& buyerNick, qint64 n);

    QString connection_;
    QString path_;
    QString lastError_;
    bool open_ = false;
};

// One transaction over the store: rolled back unless Commit() is called.
class StoreTransaction {
  public:
    explicit StoreTransaction(LocalStore& store)
        : store_(store), active_(store.BeginTransaction()) {}
    ~StoreTransaction() {
        if (active_)
            store_.Rollback();
    }
    StoreTransaction(const StoreTransaction&) = delete;
    StoreTransaction& operator=(const StoreTransaction&) = delete;
    bool Active() const { return active_; }
    bool Commit() {
        if (!active_)
            return false;
        active_ = false;
        if (store_.Commit())
            return true;
        store_.Rollback();
        return false;
    }

  private:
    LocalStore& store_;
    bool active_;
};

// Writes a new store file with the four empty tables. Never touches an existing file: false
// (with the reason in error) when the path exists or cannot be written.
bool CreateEmptyStore(const QString& path, QString* error = nullptr);

// Whether the open connection holds the four tables with all their columns.
bool HasStoreTables(const QSqlDatabase& db, QString* error = nullptr);

}  // namespace fahuo
