#pragma once

// A private database on the test MariaDB (started by ./test, addresses in FAHUO_MYSQL_*), with
// the seller's two tables as a web site would define them, dropped again at the end.
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <QtTest>

#include "platform/Controls.h"
#include "store/RemoteDb.h"

namespace fahuo::test {

class MariaDb {
  public:
    static bool Available() { return !qEnvironmentVariableIsEmpty("FAHUO_MYSQL_PORT"); }
    static QString Host() { return qEnvironmentVariable("FAHUO_MYSQL_HOST"); }
    static QString Port() { return qEnvironmentVariable("FAHUO_MYSQL_PORT"); }
    static QString User() { return qEnvironmentVariable("FAHUO_MYSQL_USER"); }
    static QString Password() { return qEnvironmentVariable("FAHUO_MYSQL_PASSWORD"); }
    static QString Socket() { return qEnvironmentVariable("FAHUO_MYSQL_SOCKET"); }

    // Creates the database and both tables; false (with a reason) when that fails.
    bool Create(QString* error) {
        name_ = QStringLiteral("fahuo_%1").arg(QUuid::createUuid().toString(QUuid::Id128).left(12));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), kAdmin);
            db.setHostName(Host());
            db.setPort(Port().toInt());
            db.setUserName(User());
            db.setPassword(Password());
            if (!db.open()) {
                *error = db.lastError().text();
                return false;
            }
        }
        const QString db = QuoteIdentifier(name_);
        const QStringList ddl = {
            "CREATE DATABASE " + db + " CHARACTER SET utf8mb4",
            "CREATE TABLE " + db +
                ".yonghu (id INT AUTO_INCREMENT PRIMARY KEY, bianhao VARCHAR(64), "
                "wangwang VARCHAR(64), canpin VARCHAR(255), danjia VARCHAR(32), "
                "baotian VARCHAR(32), baoyue VARCHAR(32), shuliang VARCHAR(32), "
                "zongjia VARCHAR(32), tiansu VARCHAR(32), `from` DATETIME, `to` DATETIME, "
                "biaoji VARCHAR(128), daili VARCHAR(64)) CHARACTER SET utf8mb4",
            "CREATE TABLE " + db +
                ".proxy_proxy_order (aid INT AUTO_INCREMENT PRIMARY KEY, orderid VARCHAR(64), "
                "buynum VARCHAR(32), givenum VARCHAR(32), getnum VARCHAR(32), type VARCHAR(16), "
                "starttime DATETIME, endtime DATETIME, incto VARCHAR(32) NULL, "
                "inctime VARCHAR(32), num VARCHAR(8), total_fee VARCHAR(16), price VARCHAR(16), "
                "buyer_nick VARCHAR(64), num_iid VARCHAR(32), status VARCHAR(32), "
                "storetype VARCHAR(16)) CHARACTER SET utf8mb4",
        };
        for (const QString& statement : ddl) {
            QSqlQuery q(QSqlDatabase::database(kAdmin));
            if (!q.exec(statement)) {
                *error = q.lastError().text();
                return false;
            }
        }
        return true;
    }

    ~MariaDb() {
        if (QSqlDatabase::contains(kAdmin)) {
            {
                QSqlQuery q(QSqlDatabase::database(kAdmin));
                if (!name_.isEmpty())
                    q.exec("DROP DATABASE IF EXISTS " + QuoteIdentifier(name_));
            }
            QSqlDatabase::removeDatabase(kAdmin);
        }
    }

    QString Name() const { return name_; }

    // The connection settings of the window pointing at this server and database.
    void Configure(Controls& c) const {
        c.SetText(QStringLiteral("组合框ip"), Host());
        c.SetText(QStringLiteral("编辑框_数据库端口1"), Port());
        c.SetText(QStringLiteral("编辑框_数据库用户名1"), User());
        c.SetText(QStringLiteral("编辑框_数据库密码1"), Password());
        c.SetText(QStringLiteral("编辑框_数据库名1"), name_);
        c.SetText(QStringLiteral("编辑框_计时网验数据库"), name_);
    }

    // Every row of a table as texts (NULL as "<null>", date-times in the server's text form),
    // ordered by the first column.
    QList<QStringList> Rows(const QString& table) const {
        QList<QStringList> rows;
        QSqlQuery q(QSqlDatabase::database(kAdmin));
        if (!q.exec("SELECT * FROM " + QuoteIdentifier(name_) + "." + QuoteIdentifier(table) +
                    " ORDER BY 1"))
            return rows;
        while (q.next()) {
            QStringList row;
            for (int c = 1; c < q.record().count(); ++c) {
                const QVariant v = q.value(c);
                if (q.isNull(c))
                    row.append(QStringLiteral("<null>"));
                else if (v.typeId() == QMetaType::QDateTime)
                    row.append(v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
                else
                    row.append(v.toString());
            }
            rows.append(row);
        }
        return rows;
    }

  private:
    inline static const QString kAdmin = QStringLiteral("test-admin");
    QString name_;
};

#define FAHUO_REQUIRE_MARIADB(db)                                                       \
    do {                                                                                \
        if (!fahuo::test::MariaDb::Available())                                         \
            QSKIP("FAHUO_MYSQL_* not set: run under ./test or scripts/services start"); \
        QString why;                                                                    \
        QVERIFY2((db).Create(&why), qPrintable(why));                                   \
    } while (false)

}  // namespace fahuo::test
