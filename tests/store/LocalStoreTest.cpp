#include <QSqlRecord>
#include <QtTest>

#include "StoreFixture.h"
#include "store/LocalStore.h"
#include "store/StoreSchema.h"
#include "store/StoreTableModel.h"

using namespace fahuo;
using namespace fahuo::test;

class LocalStoreTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void missingFileIsCreatedEmpty();
    void createNeverReplacesAFile();
    void notAStoreIsLeftUntouched_data();
    void notAStoreIsLeftUntouched();
    void keyColumnsAreUniqueAndNeverEmpty_data();
    void keyColumnsAreUniqueAndNeverEmpty();
    void quotesAndBackslashesStayAsTyped();
    void advancedConditions_data();
    void advancedConditions();
    void takeCountKeys();
    void takeCardKeysMatchesProductAndPeriodExactly();
    void takingMarksEveryRowWithTheSameKey();
    void keylessRowsEndTheTaking();
    void takingIsAllOrNothing();
    void takingFromAClosedStoreGivesNothing();
    void readProduct();
    void modelReadsInBatches();
    void productViewShowsItsRenamedColumns();

  private:
    QString Path() const { return dir->filePath(LocalStore::FileName()); }
    void AddCountKeys(StoreFile& f, const QString& product, const QStringList& keys) {
        for (const QString& k : keys)
            QVERIFY(f.Run(
                QStringLiteral("insert into 直接计数(产品,卡密,使用) values ('%1','%2','未用')")
                    .arg(product, k)));
    }
    std::unique_ptr<QTemporaryDir> dir;
};

void LocalStoreTest::init() {
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void LocalStoreTest::missingFileIsCreatedEmpty() {
    LocalStore store;
    QVERIFY(store.Open(dir->path()));
    QVERIFY(QFileInfo::exists(Path()));
    QCOMPARE(store.DataDir(), QDir(dir->path()).absolutePath());
    StoreFile f(Path());
    for (const TableSchema& t : StoreTables()) {
        QCOMPARE(f.Count(t.name), 0);
        QSqlQuery q(QSqlDatabase::database());
        const QStringList cols =
            f.Rows(QStringLiteral("select name from pragma_table_info('%1')").arg(t.name));
        QCOMPARE(cols, t.columns);
    }
    // A second start opens the same file again.
    LocalStore again;
    QVERIFY(again.Open(dir->path()));
}

void LocalStoreTest::createNeverReplacesAFile() {
    QVERIFY(WriteBytes(Path(), "seller's own file"));
    QString error;
    QVERIFY(!CreateEmptyStore(Path(), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(ReadBytes(Path()), QByteArray("seller's own file"));
    QVERIFY(!CreateEmptyStore(dir->filePath("no/such/folder/x.mdb"), &error));
}

void LocalStoreTest::notAStoreIsLeftUntouched_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("text file") << "text";
    QTest::newRow("zero bytes") << "empty";
    QTest::newRow("other database") << "other";
    QTest::newRow("column missing") << "column";
}

void LocalStoreTest::notAStoreIsLeftUntouched() {
    QFETCH(QString, kind);
    if (kind == "text") {
        QVERIFY(WriteBytes(Path(), "Standard Jet DB\0 not really"));
    } else if (kind == "empty") {
        QVERIFY(WriteBytes(Path(), ""));
    } else {
        StoreFile f(Path());
        if (kind == "other") {
            QVERIFY(f.Run("create table notes(x text)"));
        } else {
            for (const QString& s : SchemaStatements())
                QVERIFY(f.Run(s));
            QVERIFY(f.Run("alter table 卡密表 drop column 买家"));
        }
    }
    const QByteArray before = ReadBytes(Path());
    const QDateTime modified = QFileInfo(Path()).lastModified();
    LocalStore store;
    QVERIFY(!store.Open(dir->path()));
    QVERIFY(!store.IsOpen());
    QVERIFY(!store.Insert(table::kCardKeys, {"卡密"}, {"K"}));
    QCOMPARE(ReadBytes(Path()), before);
    QCOMPARE(QFileInfo(Path()).lastModified(), modified);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{LocalStore::FileName()});
}

void LocalStoreTest::keyColumnsAreUniqueAndNeverEmpty_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::newRow("products") << table::kProducts << "产品";
    QTest::newRow("card keys") << table::kCardKeys << "卡密";
    QTest::newRow("count keys") << table::kCountKeys << "卡密";
    QTest::newRow("outbox") << table::kOutbox << "发件箱";
}

void LocalStoreTest::keyColumnsAreUniqueAndNeverEmpty() {
    QFETCH(QString, table);
    QFETCH(QString, column);
    LocalStore store;
    QVERIFY(store.Open(dir->path()));
    QVERIFY(store.Insert(table, {column}, {"A"}));
    const StoreResult again = store.Insert(table, {column}, {"A"});
    QVERIFY(!again);
    QVERIFY(!again.error.isEmpty());
    QVERIFY(!store.Insert(table, {column}, {""}));
    QVERIFY(!store.Insert(table, {column}, {QString()}));
    QVERIFY(store.Insert(table, {column}, {"B"}));
    QVERIFY(!store.Update(table, {column}, {"A"}, StoreCondition::Equals(column, "B")));
    QVERIFY(!store.Update(table, {column}, {""}, StoreCondition::Equals(column, "B")));
    // An update that matches nothing is still a success.
    const StoreResult none =
        store.Update(table, {column}, {"C"}, StoreCondition::Equals(column, "Z"));
    QVERIFY(none);
    QCOMPARE(none.rowsAffected, 0);
    StoreFile f(Path());
    QCOMPARE(f.Count(table), 2);
}

void LocalStoreTest::quotesAndBackslashesStayAsTyped() {
    LocalStore store;
    QVERIFY(store.Open(dir->path()));
    const QString odd = QStringLiteral("O'Brien \\' \" ; drop table 卡密表; --");
    QVERIFY(store.Insert(table::kCardKeys, {"产品", "卡密", "使用"}, {odd, odd + "k", "未用"}));
    QVERIFY(store.Insert(table::kCountKeys, {"产品", "卡密"}, {"p", "it's"}));
    const auto rows =
        store.Select(table::kCardKeys, {"产品", "卡密"}, StoreCondition::Equals("产品", odd));
    QVERIFY(rows);
    QCOMPARE(*rows, (QList<QStringList>{{odd, odd + "k"}}));
    // No period was stored, which is not the empty period.
    QCOMPARE(store.TakeCardKeys(odd, "", "nick'\\", 1), QStringList{});
    QVERIFY(store.Update(table::kCardKeys, {"卡期"}, {""}, StoreCondition::Equals("产品", odd)));
    QCOMPARE(store.TakeCardKeys(odd, "", "nick'\\", 1), QStringList{odd + "k"});
    StoreFile f(Path());
    QCOMPARE(f.Rows("select 买家 from 卡密表"), QStringList{"nick'\\"});
    QCOMPARE(f.Rows("select 卡密 from 直接计数"), QStringList{"it's"});
}

void LocalStoreTest::advancedConditions_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<QStringList>("matching");  // keys that meet the condition

    QTest::newRow("product equals") << " 产品 "
                                    << "="
                                    << "产品2 " << true << QStringList{"K2", "K3"};
    QTest::newRow("id greater, as a number") << "id"
                                             << ">"
                                             << "9" << true << QStringList{"K10"};
    QTest::newRow("id not a number") << "id"
                                     << ">"
                                     << "9 or 1=1" << false << QStringList{};
    QTest::newRow("not equal") << "使用"
                               << "<>"
                               << "未用" << true << QStringList{"K3"};
    QTest::newRow("bang equal") << "使用"
                                << "!="
                                << "已用" << true << QStringList{"K1", "K2", "K4", "K5", "K6",
                                                                 "K7", "K8", "K9", "K10"};
    QTest::newRow("like, any case") << "卡密"
                                    << "LIKE"
                                    << "k1%" << true << QStringList{"K1", "K10"};
    QTest::newRow("not like") << "卡密"
                              << "Not   Like"
                              << "K%" << true << QStringList{};
    QTest::newRow("less or equal") << "卡密"
                                   << "<="
                                   << "K2" << true << QStringList{"K1", "K10", "K2"};
    QTest::newRow("unknown column") << "颜色"
                                    << "="
                                    << "红" << false << QStringList{};
    QTest::newRow("column of another table") << "卡期"
                                             << "="
                                             << "30" << false << QStringList{};
    QTest::newRow("statement as operator") << "产品"
                                           << "= '' or 1=1 --"
                                           << "x" << false << QStringList{};
    QTest::newRow("is null") << "买家"
                             << "is"
                             << "null" << false << QStringList{};
    QTest::newRow("empty field") << ""
                                 << "="
                                 << "x" << false << QStringList{};
}

void LocalStoreTest::advancedConditions() {
    QFETCH(QString, field);
    QFETCH(QString, op);
    QFETCH(QString, value);
    QFETCH(bool, allowed);
    QFETCH(QStringList, matching);
    LocalStore store;
    QVERIFY(store.Open(dir->path()));
    {
        StoreFile f(Path());
        for (int i = 1; i <= 10; ++i)
            QVERIFY(f.Run(
                QStringLiteral("insert into 直接计数(产品,卡密,使用) values ('%1','K%2','%3')")
                    .arg(i == 2 || i == 3 ? "产品2" : "产品1")
                    .arg(i)
                    .arg(i == 3 ? "已用" : "未用")));
    }
    const auto where = AdvancedCondition(table::kCountKeys, field, op, value);
    QCOMPARE(where.has_value(), allowed);
    if (!allowed)
        return;
    const auto rows = store.Select(table::kCountKeys, {"卡密"}, where);
    QVERIFY(rows);
    QStringList keys;
    for (const QStringList& r : *rows)
        keys.append(r.first());
    keys.sort();
    matching.sort();
    QCOMPARE(keys, matching);
    QVERIFY(store.Delete(table::kCountKeys, *where));
    StoreFile f(Path());
    QCOMPARE(f.Count(table::kCountKeys), 10 - matching.size());
}

void LocalStoreTest::takeCountKeys() {
    LocalStore store;
    QVERIFY(store.Open(dir->path()));
    {
        StoreFile f(Path());
        AddCountKeys(f, "Q号", {"Q1", "Q2", "Q3"});
        AddCountKeys(f, "Q号2", {"R1"});
        QVERIFY(f.Run("update 直接计数 set 使用='已用' where 卡密='Q1'"));
        AddCountKeys(f, "Q号", {"Q4"});
    }
    // Five owed, three left: the three keys in stored order.
    QCOMPARE(store.TakeCountKeys("Q号", "buyer", 5), (QStringList{"Q2", "Q3", "Q4"}));
    QCOMPARE(store.TakeCountKeys("Q号", "buyer", 0), QStringList{});
    QCOMPARE(store.TakeCountKeys("Q号", "buyer", 2), QStringList{});
    StoreFile f(Path());
    QCOMPARE(
        f.Rows("select 卡密, 使用, 买家 from 直接计数 order by id"),
        (QStringList{"Q1|已用|", "Q2|已用|buyer", "Q3|已用|buyer", "R1|未用|", "Q4|已用|buyer"}));
}

void LocalStoreTest::takeCardKeysMatchesProductAndPeriodExactly() {
    LocalStore store;
    QVERIFY(store.Open(dir->path()));
    {
        StoreFile f(Path());
        QVERIFY(
            f.Run("insert into 卡密表(产品,卡密,卡期,使用) values "
                  "('卡','A30天','30天','未用'), ('卡 ','B30','30','未用'), "
                  "('卡','C90','90','未用'), ('卡','D30','30','未用'), ('卡','E30','30','未用')"));
    }
    QCOMPARE(store.TakeCardKeys("卡", "30", "nick", 1), QStringList{"D30"});
    QCOMPARE(store.TakeCardKeys("卡", "90", "nick", 2), QStringList{"C90"});
    QCOMPARE(store.TakeCardKeys("卡", "30", "nick", 1), QStringList{"E30"});
    QCOMPARE(store.TakeCardKeys("卡", "30", "nick", 1), QStringList{});
    StoreFile f(Path());
    QCOMPARE(f.Rows("select 卡密 from 卡密表 where 使用='未用' order by id"),
             (QStringList{"A30天", "B30"}));
}

void LocalStoreTest::takingMarksEveryRowWithTheSameKey() {
    // A store made by hand without the unique rule may hold one key under two products: the
    // key is delivered once and every row holding it is marked.
    {
        StoreFile f(Path());
        for (QString s : SchemaStatements())
            QVERIFY(f.Run(s.replace("UNIQUE NOT NULL CHECK(\"卡密\" <> '')", "")));
        AddCountKeys(f, "甲", {"SAME", "OTHER"});
        AddCountKeys(f, "乙", {"SAME"});
        QVERIFY(f.Run("insert into 卡密表(产品,卡密,卡期,使用) values ('甲','SAME','30','未用')"));
    }
    LocalStore store;
    QVERIFY(store.Open(dir->path()));
    QCOMPARE(store.TakeCountKeys("甲", "b", 2), (QStringList{"SAME", "OTHER"}));
    QCOMPARE(store.TakeCountKeys("乙", "b", 1), QStringList{});
    StoreFile f(Path());
    QCOMPARE(f.Rows("select 产品, 使用 from 直接计数 where 卡密='SAME' order by id"),
             (QStringList{"甲|已用", "乙|已用"}));
    // The same key text in the other table is not touched.
    QCOMPARE(f.Rows("select 使用 from 卡密表"), QStringList{"未用"});
}

void LocalStoreTest::keylessRowsEndTheTaking() {
    // A hand-made store may hold rows without key text; they cannot be marked, so they are
    // never handed out.
    {
        StoreFile f(Path());
        for (QString s : SchemaStatements())
            QVERIFY(f.Run(s.replace("UNIQUE NOT NULL CHECK(\"卡密\" <> '')", "")));
        QVERIFY(
            f.Run("insert into 直接计数(产品,卡密,使用) values ('Q',NULL,'未用'), ('Q','','未用'), "
                  "('Q','Q1','未用')"));
    }
    LocalStore store;
    QVERIFY(store.Open(dir->path()));
    QCOMPARE(store.TakeCountKeys("Q", "b", 1000000000), QStringList{"Q1"});
}

void LocalStoreTest::takingIsAllOrNothing() {
    LocalStore store;
    QVERIFY(store.Open(dir->path()));
    {
        StoreFile f(Path());
        AddCountKeys(f, "Q", {"Q1", "Q2", "Q3", "Q4"});
        QVERIFY(
            f.Run("create trigger stop before update on 直接计数 when new.卡密 = 'Q3' "
                  "begin select raise(abort, 'disk trouble'); end"));
    }
    QCOMPARE(store.TakeCountKeys("Q", "b", 4), QStringList{});
    StoreFile f(Path());
    QCOMPARE(f.Rows("select count(*) from 直接计数 where 使用='未用'"), QStringList{"4"});
    QCOMPARE(f.Rows("select count(*) from 直接计数 where 买家 is not null"), QStringList{"0"});
    // The store is still usable afterwards.
    QCOMPARE(store.TakeCountKeys("Q", "b", 2), (QStringList{"Q1", "Q2"}));
}

void LocalStoreTest::takingFromAClosedStoreGivesNothing() {
    LocalStore store;
    QCOMPARE(store.TakeCountKeys("Q", "b", 3), QStringList{});
    QCOMPARE(store.TakeCardKeys("Q", "30", "b", 1), QStringList{});
    QVERIFY(!store.Select(table::kCardKeys, {"卡密"}));
}

void LocalStoreTest::readProduct() {
    LocalStore store;
    QVERIFY(store.Open(dir->path()));
    QStringList fields;
    for (int k = 1; k <= 26; ++k)
        fields.append(QStringLiteral("v%1'\\").arg(k));
    fields[25] = "line 1\r\nline 2";
    QVERIFY(store.Insert(table::kProducts, ProductColumnNames(), fields));
    QCOMPARE(store.ReadProduct("v1'\\"), std::optional<QStringList>(fields));
    QVERIFY(!store.ReadProduct("v1"));
}

void LocalStoreTest::modelReadsInBatches() {
    LocalStore store;
    QVERIFY(store.Open(dir->path()));
    const int n = StoreTableModel::kBatchRows * 2 + 7;
    {
        StoreFile f(Path());
        QVERIFY(f.Run("begin"));
        for (int i = 0; i < n; ++i)
            QVERIFY(
                f.Run(QStringLiteral(
                          "insert into 卡密表(产品,卡密,卡期,使用) values ('p','K%1','30','未用')")
                          .arg(i)));
        QVERIFY(f.Run("delete from 卡密表 where 卡密='K3'"));
        QVERIFY(f.Run("commit"));
    }
    StoreTableModel model(store, "超级列表框_卡密");
    QCOMPARE(model.rowCount(), 0);
    model.Refresh();
    QCOMPARE(model.rowCount(), StoreTableModel::kBatchRows);
    QVERIFY(model.canFetchMore({}));
    QCOMPARE(model.columnCount(), 7);
    QCOMPARE(model.index(3, 2).data().toString(), QString("K4"));
    QCOMPARE(model.index(3, 0).data().toString(), QString("5"));
    model.FetchAll();
    QCOMPARE(model.rowCount(), n - 1);
    QVERIFY(!model.canFetchMore({}));
    QCOMPARE(model.index(n - 2, 2).data().toString(), QStringLiteral("K%1").arg(n - 1));
    // Refreshing starts again from the top and sees the changes.
    QVERIFY(store.DeleteAll(table::kCardKeys));
    model.Refresh();
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(!model.canFetchMore({}));
}

void LocalStoreTest::productViewShowsItsRenamedColumns() {
    LocalStore store;
    QVERIFY(store.Open(dir->path()));
    QStringList fields;
    for (const QString& c : ProductColumnNames())
        fields.append("=" + c);
    QVERIFY(store.Insert(table::kProducts, ProductColumnNames(), fields));
    StoreTableModel model(store, "超级列表框_发货");
    model.Refresh();
    QCOMPARE(model.columnCount(), 28);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("序号"));
    QCOMPARE(model.headerData(22, Qt::Horizontal).toString(), QString("产品id"));
    QCOMPARE(model.headerData(23, Qt::Horizontal).toString(), QString("千牛内容"));
    QCOMPARE(model.headerData(27, Qt::Horizontal).toString(), QString("备注"));
    for (int k = 1; k <= 26; ++k)
        QCOMPARE(model.index(0, k).data().toString(), fields[k - 1]);
    QCOMPARE(model.index(0, 22).data().toString(), QString("=发件箱"));
    QCOMPARE(model.index(0, 23).data().toString(), QString("=收件箱"));
    QCOMPARE(model.headerData(4, Qt::Horizontal, Qt::SizeHintRole).toSize().width(), 60);
    QCOMPARE(ViewColumns("超级列表框_直接计数").at(2).header, QString("卡密(要卖的Q)"));
    QCOMPARE(ViewColumns("超级列表框_卡密").at(1).width, 450);
    QVERIFY(ViewColumns("超级列表框_其他").isEmpty());
}

QTEST_GUILESS_MAIN(LocalStoreTest)
#include "LocalStoreTest.moc"
