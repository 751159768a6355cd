#pragma once

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTemporaryDir>

namespace fahuo::test {

// Runs statements on a store file through a connection of its own, the way a second program
// would look at the file, so tests check what is really stored.
class StoreFile {
  public:
    explicit StoreFile(const QString& path) : name_(QStringLiteral("probe-%1").arg(++Counter())) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.open();
    }
    ~StoreFile() {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }

    bool Run(const QString& statement) {
        QSqlQuery q(QSqlDatabase::database(name_));
        return q.exec(statement);
    }
    // Rows of a query, fields joined by "|".
    QStringList Rows(const QString& statement) {
        QSqlQuery q(QSqlDatabase::database(name_));
        QStringList rows;
        if (!q.exec(statement))
            return {QStringLiteral("error: ") + q.lastError().text()};
        while (q.next()) {
            QStringList fields;
            for (int i = 0; i < q.record().count(); ++i)
                fields.append(q.value(i).toString());
            rows.append(fields.join(QLatin1Char('|')));
        }
        return rows;
    }
    int Count(const QString& table) {
        const QStringList r = Rows(QStringLiteral("select count(*) from \"%1\"").arg(table));
        return r.isEmpty() ? -1 : r.first().toInt();
    }

  private:
    static int& Counter() {
        static int n = 0;
        return n;
    }
    QString name_;
};

inline QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace fahuo::test
