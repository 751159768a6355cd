#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "support/CliRunner.h"

using namespace fahuo::test;

class GrantCommandTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void grants_data();
    void grants();
    void badInput_data();
    void badInput();

  private:
    QString WriteProduct(const QString& name, const QByteArray& json) {
        const QString path = dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(json);
        return path;
    }
    QTemporaryDir dir;
};

void GrantCommandTest::grants_data() {
    QTest::addColumn<QByteArray>("product");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("expected");  // compact JSON

    QTest::newRow("direct count")
        << QByteArray(R"({"产品":"Q号","方式":"直接计数","最低价":"1","最低价天":"100",)"
                      R"("价格二":"10","价格二天":"1200","赠送数":"5"})")
        << QStringList{"--unit-price", "10", "--quantity", "3"}
        << QByteArray(R"({"keys":3605,"method":"直接计数"})");
    QTest::newRow("card period by amount")
        << QByteArray(R"({"方式":"卡密有卡期","最低价":"10","最低价天":"7","价格二":"50",)"
                      R"("价格二天":"30"})")
        << QStringList{"--unit-price", "25.50", "--quantity", "2"}
        << QByteArray(R"({"method":"卡密有卡期","period":"30"})");
    QTest::newRow("multi-spec")
        << QByteArray(R"({"方式":"卡密多规格可多张","最低价":"10","最低价天":"30","价格二":"25",)"
                      R"("价格二天":"90"})")
        << QStringList{"--unit-price", "25.80", "--quantity", "3"}
        << QByteArray(R"({"keys":3,"method":"卡密多规格可多张","period":"90"})");
    QTest::newRow("timed account")
        << QByteArray(R"({"方式":"计时网验","最低价":"10","最低价天":"3","价格二":"100",)"
                      R"("价格二天":"30","赠送天":"2","赠送时":"12"})")
        << QStringList{"--unit-price", "100", "--now", "2014-11-14 04:34:42"}
        << QByteArray(R"({"days":35,"end":"2014-12-19 16:34:42","method":"计时网验",)"
                      R"("start":"2014-11-14 04:34:42"})");
    QTest::newRow("counted order")
        << QByteArray(R"({"方式":"计数计时网验","最低价":"10","最低价数量":"100","最低价天":"3",)"
                      R"("赠送数":"5","赠送天":"2"})")
        << QStringList{"--unit-price", "25", "--now", "2015-01-01 00:00:00"}
        << QByteArray(R"({"bought":"250","days":6,"end":"2015-01-07 00:00:00","given":"5",)"
                      R"("kind":"计数","method":"计数计时网验","start":"2015-01-01 00:00:00"})");
    QTest::newRow("direct download")
        << QByteArray(R"({"方式":"直接下载"})") << QStringList{"--unit-price", "5"}
        << QByteArray(R"({"method":"直接下载"})");
}

void GrantCommandTest::grants() {
    QFETCH(QByteArray, product);
    QFETCH(QStringList, args);
    QFETCH(QByteArray, expected);
    const QString path = WriteProduct(QString("p%1.json").arg(QTest::currentDataTag()), product);
    const CliResult r = RunCli(QStringList{"grant", "--product", path} + args);
    QCOMPARE(r.exitCode, 0);
    const QJsonDocument out = QJsonDocument::fromJson(r.out);
    QVERIFY2(out.isObject(), r.out.constData());
    QCOMPARE(out.toJson(QJsonDocument::Compact), expected);
}

void GrantCommandTest::badInput_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("missing file") << QStringList{"grant", "--product", "/nonexistent/p.json",
                                                 "--unit-price", "1"};
    QTest::newRow("no product") << QStringList{"grant", "--unit-price", "1"};
    QTest::newRow("no price") << QStringList{"grant", "--product", "GOOD"};
    QTest::newRow("bad quantity") << QStringList{"grant", "--product",  "GOOD", "--unit-price",
                                                 "1",     "--quantity", "x"};
    QTest::newRow("bad now") << QStringList{"grant", "--product", "GOOD",     "--unit-price",
                                            "1",     "--now",     "yesterday"};
    QTest::newRow("not json") << QStringList{"grant", "--product", "BAD", "--unit-price", "1"};
    QTest::newRow("unknown column")
        << QStringList{"grant", "--product", "ODD", "--unit-price", "1"};
    QTest::newRow("unknown option")
        << QStringList{"grant", "--product", "GOOD", "--unit-price", "1", "--colour", "red"};
    QTest::newRow("dangling option") << QStringList{"grant", "--product"};
}

void GrantCommandTest::badInput() {
    QFETCH(QStringList, args);
    const QString good = WriteProduct("good.json", R"({"方式":"直接计数"})");
    const QString bad = WriteProduct("bad.json", "[not json");
    const QString odd = WriteProduct("odd.json", R"({"颜色":"红"})");
    args.replaceInStrings("GOOD", good).replaceInStrings("BAD", bad).replaceInStrings("ODD", odd);
    const CliResult r = RunCli(args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.out.isEmpty());
    QCOMPARE(r.err.count('\n'), 1);
}

QTEST_GUILESS_MAIN(GrantCommandTest)
#include "GrantCommandTest.moc"
