#include "store/LocalStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>
#include <atomic>

#include "store/StoreSchema.h"

namespace fahuo {
namespace {

QString NewConnectionName(const char* purpose) {
    static std::atomic<int> counter{0};
    return QStringLiteral("fahuo-%1-%2").arg(QLatin1String(purpose)).arg(++counter);
}

// A null text would be stored as NULL; the program stores what the seller typed, even nothing.
QVariant Bindable(const QString& text) {
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

QString WhereClause(const StoreCondition& where) {
    return QStringLiteral(" where %1 %2 ?").arg(QuotedName(where.column), where.op);
}

bool KnownColumns(const QString& table, const QStringList& columns) {
    if (!TableSchemaFor(table))
        return false;
    for (const QString& c : columns) {
        if (!HasColumn(table, c))
            return false;
    }
    return true;
}

bool KnownCondition(const QString& table, const StoreCondition& where) {
    return HasColumn(table, where.column) && AllowedOperators().contains(where.op);
}

QString JoinedNames(const QStringList& columns, const QString& suffix = {}) {
    QStringList names;
    for (const QString& c : columns)
        names.append(QuotedName(c) + suffix);
    return names.join(QStringLiteral(", "));
}

QString InsertStatement(const QString& table, const QStringList& columns) {
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i)
        marks.append(QStringLiteral("?"));
    return QStringLiteral("insert into %1(%2) values (%3)")
        .arg(QuotedName(table), JoinedNames(columns), marks.join(QLatin1Char(',')));
}

StoreResult Refused(const QString& why) {
    return {false, 0, why};
}

// Removes a connection once nothing uses it any more.
void DropConnection(const QString& name) {
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

}  // namespace

QString LocalStore::FileName() {
    return QStringLiteral("MDBfahuo.mdb");
}

LocalStore::LocalStore() : connection_(NewConnectionName("store")) {}

LocalStore::~LocalStore() {
    if (QSqlDatabase::contains(connection_))
        DropConnection(connection_);
}

QString LocalStore::DataDir() const {
    return QFileInfo(path_).absolutePath();
}

QSqlDatabase LocalStore::Database() const {
    return QSqlDatabase::database(connection_, false);
}

bool LocalStore::Open(const QString& dataDir) {
    const QString path = QDir(dataDir).absoluteFilePath(FileName());
    if (!QFileInfo::exists(path) && !CreateEmptyStore(path, &lastError_)) {
        path_ = path;
        open_ = false;
        return false;
    }
    return OpenExisting(path);
}

bool LocalStore::OpenExisting(const QString& path) {
    open_ = false;
    path_ = QFileInfo(path).absoluteFilePath();
    if (QSqlDatabase::contains(connection_))
        DropConnection(connection_);
    if (!QFileInfo(path_).isFile()) {
        lastError_ = QStringLiteral("%1 does not exist").arg(path_);
        return false;
    }
    if (!OpenChecked(path_))
        return false;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
        lastError_ = db.lastError().text();
        return false;
    }
    open_ = true;
    lastError_.clear();
    return true;
}

// Looks at the file through a read-only connection first, so that a file which is not a store
// is never written to.
bool LocalStore::OpenChecked(const QString& path) {
    const QString name = NewConnectionName("check");
    bool usable = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            lastError_ = db.lastError().text();
        else
            usable = HasStoreTables(db, &lastError_);
    }
    DropConnection(name);
    return usable;
}

bool HasStoreTables(const QSqlDatabase& db, QString* error) {
    for (const TableSchema& t : StoreTables()) {
        QSqlQuery q(db);
        if (!q.prepare(QStringLiteral("select name from pragma_table_info(?)"))) {
            if (error)
                *error = q.lastError().text();
            return false;
        }
        q.addBindValue(t.name);
        if (!q.exec()) {
            if (error)
                *error = q.lastError().text();
            return false;
        }
        QStringList present;
        while (q.next())
            present.append(q.value(0).toString());
        for (const QString& c : t.columns) {
            if (!present.contains(c)) {
                if (error)
                    *error = present.isEmpty()
                                 ? QStringLiteral("table %1 is missing").arg(t.name)
                                 : QStringLiteral("column %1 of %2 is missing").arg(c, t.name);
                return false;
            }
        }
    }
    return true;
}

QSqlQuery LocalStore::Prepare(const QString& statement, QString* error) {
    QSqlQuery q(Database());
    if (!open_) {
        if (error)
            *error = QStringLiteral("the store is not open");
        return q;
    }
    if (!q.prepare(statement) && error)
        *error = q.lastError().text();
    return q;
}

StoreResult LocalStore::Run(QSqlQuery& query) {
    if (!query.exec())
        return Refused(query.lastError().text());
    StoreResult r{true, query.numRowsAffected(), {}};
    query.finish();
    return r;
}

StoreResult LocalStore::Insert(const QString& table, const QStringList& columns,
                               const QStringList& values) {
    if (!open_)
        return Refused(QStringLiteral("the store is not open"));
    if (!KnownColumns(table, columns) || columns.size() != values.size())
        return Refused(QStringLiteral("unknown table or columns"));
    QString error;
    QSqlQuery q = Prepare(InsertStatement(table, columns), &error);
    if (!error.isEmpty())
        return Refused(error);
    for (const QString& v : values)
        q.addBindValue(Bindable(v));
    return Run(q);
}

int LocalStore::InsertEach(const QString& table, const QStringList& columns,
                           const QList<QStringList>& rows) {
    qsizetype i = 0;
    return InsertEach(table, columns, [&](QStringList* row) {
        if (i == rows.size())
            return false;
        *row = rows[i++];
        return true;
    });
}

int LocalStore::InsertEach(const QString& table, const QStringList& columns,
                           const std::function<bool(QStringList* row)>& next) {
    if (!open_ || !KnownColumns(table, columns))
        return 0;
    StoreTransaction transaction(*this);
    if (!transaction.Active())
        return 0;
    QString error;
    QSqlQuery q = Prepare(InsertStatement(table, columns), &error);
    if (!error.isEmpty())
        return 0;
    int added = 0;
    QStringList row;
    while (next(&row)) {
        if (row.size() != columns.size())
            continue;
        for (int i = 0; i < row.size(); ++i)
            q.bindValue(i, Bindable(row[i]));
        if (q.exec())
            ++added;
    }
    q.finish();
    return transaction.Commit() ? added : 0;
}

StoreResult LocalStore::Update(const QString& table, const QStringList& columns,
                               const QStringList& values, const StoreCondition& where) {
    if (!open_)
        return Refused(QStringLiteral("the store is not open"));
    if (!KnownColumns(table, columns) || columns.size() != values.size() ||
        !KnownCondition(table, where))
        return Refused(QStringLiteral("unknown table, columns or condition"));
    QString error;
    QSqlQuery q = Prepare(
        QStringLiteral("update %1 set %2%3")
            .arg(QuotedName(table), JoinedNames(columns, QStringLiteral("=?")), WhereClause(where)),
        &error);
    if (!error.isEmpty())
        return Refused(error);
    for (const QString& v : values)
        q.addBindValue(Bindable(v));
    q.addBindValue(where.value);
    return Run(q);
}

StoreResult LocalStore::Delete(const QString& table, const StoreCondition& where) {
    if (!open_)
        return Refused(QStringLiteral("the store is not open"));
    if (!KnownCondition(table, where))
        return Refused(QStringLiteral("unknown table or condition"));
    QString error;
    QSqlQuery q = Prepare(
        QStringLiteral("delete from %1%2").arg(QuotedName(table), WhereClause(where)), &error);
    if (!error.isEmpty())
        return Refused(error);
    q.addBindValue(where.value);
    return Run(q);
}

StoreResult LocalStore::DeleteAll(const QString& table) {
    if (!open_)
        return Refused(QStringLiteral("the store is not open"));
    if (!TableSchemaFor(table))
        return Refused(QStringLiteral("unknown table"));
    QString error;
    QSqlQuery q = Prepare(QStringLiteral("delete from %1").arg(QuotedName(table)), &error);
    if (!error.isEmpty())
        return Refused(error);
    return Run(q);
}

std::optional<QList<QStringList>> LocalStore::Select(const QString& table,
                                                     const QStringList& columns,
                                                     const std::optional<StoreCondition>& where) {
    if (!open_ || !KnownColumns(table, columns) || (where && !KnownCondition(table, *where)))
        return std::nullopt;
    QString error;
    // In the order the rows were stored, as the views show them: left alone, the engine would
    // follow whichever index it picks.
    QSqlQuery q = Prepare(
        QStringLiteral("select %1 from %2%3 order by \"id\"")
            .arg(JoinedNames(columns), QuotedName(table), where ? WhereClause(*where) : QString()),
        &error);
    if (!error.isEmpty())
        return std::nullopt;
    q.setForwardOnly(true);
    if (where)
        q.addBindValue(where->value);
    if (!q.exec()) {
        lastError_ = q.lastError().text();
        return std::nullopt;
    }
    QList<QStringList> rows;
    const int n = static_cast<int>(columns.size());
    while (q.next()) {
        QStringList row;
        row.reserve(n);
        for (int i = 0; i < n; ++i)
            row.append(q.value(i).toString());
        rows.append(std::move(row));
    }
    return rows;
}

std::optional<QStringList> LocalStore::ReadProduct(const QString& title) {
    QString error;
    QSqlQuery q = Prepare(QStringLiteral("select %1 from %2 where \"产品\" = ? limit 1")
                              .arg(JoinedNames(ProductColumnNames()), QuotedName(table::kProducts)),
                          &error);
    if (!error.isEmpty())
        return std::nullopt;
    q.addBindValue(Bindable(title));
    if (!q.exec() || !q.next())
        return std::nullopt;
    QStringList fields;
    for (int i = 0; i < ProductColumnNames().size(); ++i)
        fields.append(q.value(i).toString());
    return fields;
}

bool LocalStore::BeginTransaction() {
    return open_ && Database().transaction();
}

bool LocalStore::Commit() {
    return open_ && Database().commit();
}

void LocalStore::Rollback() {
    if (open_)
        Database().rollback();
}

bool CreateEmptyStore(const QString& path, QString* error) {
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const QFileInfo target(path);
    if (target.exists())
        return fail(QStringLiteral("%1 already exists").arg(target.absoluteFilePath()));
    if (!target.absoluteDir().exists())
        return fail(QStringLiteral("folder %1 does not exist").arg(target.absolutePath()));
    // Built under a passing name and moved into place only if the name is still free, so an
    // existing store is never replaced.
    const QString building = target.absoluteFilePath() + QStringLiteral(".new");
    QFile::remove(building);
    const QString name = NewConnectionName("create");
    QString why;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(building);
        if (!db.open()) {
            why = db.lastError().text();
        } else if (!db.transaction()) {
            why = db.lastError().text();
        } else {
            for (const QString& statement : SchemaStatements()) {
                QSqlQuery q(db);
                if (!q.exec(statement)) {
                    why = q.lastError().text();
                    break;
                }
            }
            if (why.isEmpty() && !db.commit())
                why = db.lastError().text();
        }
    }
    DropConnection(name);
    if (why.isEmpty() && !QFile::rename(building, target.absoluteFilePath()))
        why = QStringLiteral("%1 could not be put in place").arg(target.absoluteFilePath());
    if (!why.isEmpty()) {
        QFile::remove(building);
        return fail(why.isEmpty() ? QStringLiteral("cannot write %1").arg(path) : why);
    }
    return true;
}

}  // namespace fahuo
