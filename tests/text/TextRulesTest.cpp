#include <QtTest>
#include <limits>

#include "text/DateTimeText.h"
#include "text/Gbk.h"
#include "text/TextRules.h"

using namespace fahuo;

class TextRulesTest : public QObject {
    Q_OBJECT
  private slots:
    void textToInteger_data();
    void textToInteger();
    void trimAndRemoveSpaces_data();
    void trimAndRemoveSpaces();
    void numberToText_data();
    void numberToText();
    void dateTimeTexts_data();
    void dateTimeTexts();
    void gbkRoundTrip();
    void gbkTellsWhatItCannotHold();
};

void TextRulesTest::textToInteger_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value");
    QTest::newRow("plain") << "3000" << qint64(3000);
    QTest::newRow("cents dropped") << "12.50" << qint64(12);
    QTest::newRow("leading space") << " 3000" << qint64(3000);
    QTest::newRow("leading tab and newline") << "\t\n42" << qint64(42);
    QTest::newRow("ideographic space") << QString::fromUtf8(
                                              "\u3000"
                                              "7")
                                       << qint64(7);
    QTest::newRow("full-width digits") << QString::fromUtf8("１２３") << qint64(123);
    QTest::newRow("full-width minus") << QString::fromUtf8("－５") << qint64(-5);
    QTest::newRow("sign") << "-15" << qint64(-15);
    QTest::newRow("plus sign") << "+8x" << qint64(8);
    QTest::newRow("letters") << "abc" << qint64(0);
    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("sign alone") << "-" << qint64(0);
    QTest::newRow("space inside stops") << "3 000" << qint64(3);
    QTest::newRow("half price reads 0") << "0.50" << qint64(0);
    QTest::newRow("too long saturates")
        << "99999999999999999999999" << std::numeric_limits<qint64>::max();
    QTest::newRow("too long negative saturates")
        << "-99999999999999999999999" << std::numeric_limits<qint64>::min();
    QTest::newRow("largest") << "9223372036854775807" << std::numeric_limits<qint64>::max();
    QTest::newRow("smallest") << "-9223372036854775808" << std::numeric_limits<qint64>::min();
}

void TextRulesTest::textToInteger() {
    QFETCH(QString, text);
    QFETCH(qint64, value);
    QCOMPARE(TextToInteger(text), value);
}

void TextRulesTest::trimAndRemoveSpaces_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::addColumn<QString>("noSpaces");
    const QString ideo = QString(QChar(0x3000));
    QTest::newRow("ascii") << "  a b  "
                           << "a b"
                           << "ab";
    QTest::newRow("ideographic") << ideo + "标 题" + ideo << "标 题"
                                 << "标题";
    QTest::newRow("tabs and line breaks stay") << "\t a \r\n"
                                               << "\t a \r\n"
                                               << "\ta\r\n";
    QTest::newRow("only spaces") << QString("  ") + ideo << ""
                                 << "";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void TextRulesTest::trimAndRemoveSpaces() {
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QFETCH(QString, noSpaces);
    QCOMPARE(Trim(text), trimmed);
    QCOMPARE(RemoveAllSpaces(text), noSpaces);
}

void TextRulesTest::numberToText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 250.0 << "250";
    QTest::newRow("half") << 2.5 << "2.5";
    QTest::newRow("third") << 10.0 / 3.0 << "3.333333333333";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative") << -1.25 << "-1.25";
    QTest::newRow("large") << 1e20 << "1e+20";
    QTest::newRow("small") << 1.5e-7 << "1.5e-07";
}

void TextRulesTest::numberToText() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(NumberToText(value), text);
    QCOMPARE(NumberToText(qint64(-42)), QString("-42"));
}

void TextRulesTest::dateTimeTexts_data() {
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("formatted");
    QTest::addColumn<QString>("stamp");
    QTest::newRow("morning") << QDateTime(QDate(2014, 11, 5), QTime(8, 3, 9))
                             << "2014-11-05 08:03:09"
                             << "2014年11月5日8时3分9秒";
    QTest::newRow("minutes") << QDateTime(QDate(2014, 5, 3), QTime(12, 30, 0))
                             << "2014-05-03 12:30:00"
                             << "2014年5月3日12时30分";
    QTest::newRow("seconds") << QDateTime(QDate(2014, 5, 3), QTime(9, 5, 7))
                             << "2014-05-03 09:05:07"
                             << "2014年5月3日9时5分7秒";
    QTest::newRow("whole hour") << QDateTime(QDate(2015, 3, 3), QTime(9, 0, 0))
                                << "2015-03-03 09:00:00"
                                << "2015年3月3日9时";
    QTest::newRow("midnight") << QDateTime(QDate(2015, 1, 1), QTime(0, 0, 0))
                              << "2015-01-01 00:00:00"
                              << "2015年1月1日";
    QTest::newRow("seconds at midnight")
        << QDateTime(QDate(2015, 1, 1), QTime(0, 0, 5)) << "2015-01-01 00:00:05"
        << "2015年1月1日0时0分5秒";
    QTest::newRow("evening") << QDateTime(QDate(2014, 12, 19), QTime(16, 34, 42))
                             << "2014-12-19 16:34:42"
                             << "2014年12月19日16时34分42秒";
}

void TextRulesTest::dateTimeTexts() {
    QFETCH(QDateTime, when);
    QFETCH(QString, formatted);
    QFETCH(QString, stamp);
    QCOMPARE(FormatDateTime(when), formatted);
    QCOMPARE(ExportStamp(when), stamp);
    QCOMPARE(ParseDateTime(formatted), when);
}

void TextRulesTest::gbkRoundTrip() {
    const QString text = QString::fromUtf8("订单编号：× 青鸾 abc；有效期：30；\r\n");
    const QByteArray bytes = EncodeGbk(text);
    QCOMPARE(bytes.left(4), QByteArray("\xb6\xa9\xb5\xa5"));  // 订单
    QVERIFY(bytes.contains("\xa1\xc1"));                      // the multiplication sign
    QCOMPARE(DecodeGbk(bytes), text);
    QCOMPARE(EncodeGbk(QString(QChar(0x3000))), QByteArray("\xa1\xa1"));
    QVERIFY(FitsGbk(text));
}

void TextRulesTest::gbkTellsWhatItCannotHold() {
    QVERIFY(!FitsGbk(QString::fromUtf8("emoji \U0001F600")));
    QVERIFY(!FitsGbk(QString::fromUtf8("한국어")));
    QVERIFY(FitsGbk(QString()));
}

QTEST_APPLESS_MAIN(TextRulesTest)
#include "TextRulesTest.moc"
