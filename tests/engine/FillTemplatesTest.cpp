#include <QtTest>

#include "engine/FillTemplates.h"

using namespace fahuo;

namespace {
TemplateValues Values() {
    TemplateValues v;
    v.bianhao = "123456";
    v.buyWang = "buyer";
    v.canpin = QString::fromUtf8("青鸾卡");
    v.kami = "K-1";
    v.Q = "Q1\r\nQ2\r\n";
    v.xiazai = "http://dl/x";
    v.fujian = "a.doc";
    v.myWang = "seller";
    return v;
}
}  // namespace

class FillTemplatesTest : public QObject {
    Q_OBJECT
  private slots:
    void chat_data();
    void chat();
    void eachTemplateHasItsOwnPrefix();
    void valuesHoldingPlaceholders();
};

void FillTemplatesTest::chat_data() {
    QTest::addColumn<QString>("chat");
    QTest::addColumn<QString>("filled");
    QTest::newRow("all eight")
        << "{niu_bianhao}|{niu_canpin}|{niu_myWang}|{niu_buyWang}|{niu_kami}|{niu_Q}|{niu_xiazai}|"
           "{niu_fujian}"
        << QString::fromUtf8("123456|青鸾卡|seller|buyer|K-1|Q1\r\nQ2\r\n|http://dl/x|a.doc");
    QTest::newRow("twice") << "{niu_canpin}{niu_canpin}" << QString::fromUtf8("青鸾卡青鸾卡");
    QTest::newRow("capitals stay") << "{NIU_CANPIN}"
                                   << "{NIU_CANPIN}";
    QTest::newRow("other set stays") << "{email_canpin}{title_kami}"
                                     << "{email_canpin}{title_kami}";
    QTest::newRow("emoticons stay") << "/:)-(/:074{x}"
                                    << "/:)-(/:074{x}";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("broken brace") << "{niu_kami{niu_kami}}"
                                  << "{niu_kamiK-1}";
}

void FillTemplatesTest::chat() {
    QFETCH(QString, chat);
    QFETCH(QString, filled);
    QCOMPARE(FillTemplates(Values(), chat, {}, {}).chat, filled);
}

void FillTemplatesTest::eachTemplateHasItsOwnPrefix() {
    const FilledTemplates f =
        FillTemplates(Values(), "{niu_kami}{title_kami}", "{title_buyWang}{niu_buyWang}",
                      "{email_Q}{email_xiazai}{niu_Q}");
    QCOMPARE(f.chat, QString("K-1{title_kami}"));
    QCOMPARE(f.subject, QString("buyer{niu_buyWang}"));
    QCOMPARE(f.body, QString("Q1\r\nQ2\r\nhttp://dl/x{niu_Q}"));
}

void FillTemplatesTest::valuesHoldingPlaceholders() {
    TemplateValues v = Values();
    v.canpin = "{niu_kami}/{niu_bianhao}";  // later one replaced, earlier one stays
    QCOMPARE(FillTemplates(v, "{niu_canpin}", {}, {}).chat, QString("K-1/{niu_bianhao}"));
    TemplateValues empty;
    QCOMPARE(FillTemplates(empty, "[{niu_kami}{niu_Q}]", {}, {}).chat, QString("[]"));
}

QTEST_APPLESS_MAIN(FillTemplatesTest)
#include "FillTemplatesTest.moc"
