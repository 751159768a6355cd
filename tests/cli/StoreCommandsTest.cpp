#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include "support/CliRunner.h"

using namespace fahuo::test;

class StoreCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void initStoreCreatesOnce();
    void initStoreFailures_data();
    void initStoreFailures();
    void buildPutsAStoreBesideThePrograms();
    void grantReadsTheProductFromAStore();
    void grantStoreFailures_data();
    void grantStoreFailures();

  private:
    static QByteArray Bytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

void StoreCommandsTest::initStoreCreatesOnce() {
    QTemporaryDir dir;
    const QString path = dir.filePath("MDBfahuo.mdb");
    CliResult r = RunCli({"init-store", "--data-dir", dir.path()});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out.count('\n'), 1);
    QVERIFY(r.out.contains("created"));
    QVERIFY(Bytes(path).startsWith("SQLite format 3"));

    // Something of the seller's under that name is never replaced.
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("the seller's own data");
    }
    r = RunCli({"init-store", "--data-dir", dir.path()});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.contains("left as it is"));
    QCOMPARE(Bytes(path), QByteArray("the seller's own data"));
}

void StoreCommandsTest::initStoreFailures_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no such folder") << QStringList{"init-store", "--data-dir", "/nonexistent/x"};
    QTest::newRow("unknown option") << QStringList{"init-store", "--force"};
    QTest::newRow("stray argument") << QStringList{"init-store", "here"};
}

void StoreCommandsTest::initStoreFailures() {
    QFETCH(QStringList, args);
    const CliResult r = RunCli(args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.out.isEmpty());
    QCOMPARE(r.err.count('\n'), 1);
}

void StoreCommandsTest::buildPutsAStoreBesideThePrograms() {
    QVERIFY(Bytes(BinDir() + "/MDBfahuo.mdb").startsWith("SQLite format 3"));
}

void StoreCommandsTest::grantReadsTheProductFromAStore() {
    QTemporaryDir dir;
    QCOMPARE(RunCli({"init-store", "--data-dir", dir.path()}).exitCode, 0);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "seed");
        db.setDatabaseName(dir.filePath("MDBfahuo.mdb"));
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(
            q.exec("insert into 产品表(产品,方式,最低价,最低价天,价格二,价格二天,赠送数) values "
                   "('Q''号\\','直接计数','1','100','10','1200','5'), "
                   "('卡','卡密有卡期','10','7','50','30','')"));
    }
    QSqlDatabase::removeDatabase("seed");
    const QString store = dir.filePath("MDBfahuo.mdb");
    CliResult r = RunCli(
        {"grant", "--store", store, "--title", "Q'号\\", "--unit-price", "10", "--quantity", "3"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(QJsonDocument::fromJson(r.out).toJson(QJsonDocument::Compact),
             QByteArray(R"({"keys":3605,"method":"直接计数"})"));
    r = RunCli(
        {"grant", "--store", store, "--title", "卡", "--unit-price", "25.50", "--quantity", "2"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(QJsonDocument::fromJson(r.out).toJson(QJsonDocument::Compact),
             QByteArray(R"({"method":"卡密有卡期","period":"30"})"));
}

void StoreCommandsTest::grantStoreFailures_data() {
    QTest::addColumn<QString>("file");  // what lies at the store path
    QTest::addColumn<QString>("title");
    QTest::newRow("no such title") << "store"
                                   << "Q";
    QTest::newRow("title differs by a blank") << "store"
                                              << "卡 ";
    QTest::newRow("not a store") << "text"
                                 << "卡";
    QTest::newRow("missing file") << "none"
                                  << "卡";
}

void StoreCommandsTest::grantStoreFailures() {
    QFETCH(QString, file);
    QFETCH(QString, title);
    QTemporaryDir dir;
    const QString path = dir.filePath("MDBfahuo.mdb");
    if (file == "store") {
        QCOMPARE(RunCli({"init-store", "--data-dir", dir.path()}).exitCode, 0);
    } else if (file == "text") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a database");
    }
    const QByteArray before = Bytes(path);
    const CliResult r = RunCli({"grant", "--store", path, "--title", title, "--unit-price", "1"});
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.out.isEmpty());
    QCOMPARE(r.err.count('\n'), 1);
    QCOMPARE(Bytes(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), file == "none" ? 0 : 1);
}

QTEST_GUILESS_MAIN(StoreCommandsTest)
#include "StoreCommandsTest.moc"
