#include <QtTest>

#include "text/RegexMatcher.h"

using namespace fahuo;

class RegexMatcherTest : public QObject {
    Q_OBJECT
  private slots:
    void matches_data();
    void matches();
    void outOfRangeGivesEmpty();
    void invalidPatternGivesNothing();
    void optionsCanBeTurnedOff();
    void recreateReplacesEarlierMatches();
};

void RegexMatcherTest::matches_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QStringList>("group1");  // group 1 of every match, in order

    QTest::newRow("[\\s\\S] spans lines") << "a([\\s\\S]*?)z"
                                          << "a1\n2z" << QStringList{"1\n2"};
    QTest::newRow(". stops at a line feed") << "a(.*?)z"
                                            << "a1\n2z a3z" << QStringList{"3"};
    QTest::newRow(". takes a carriage return") << "a(.*?)z"
                                               << "a1\r2z" << QStringList{"1\r2"};
    QTest::newRow("case ignored") << "<SPAN class=\"x\">(.*?)</span>"
                                  << "<span CLASS=\"x\">v</SPAN>" << QStringList{"v"};
    QTest::newRow("escaped at and dot")
        << "(.*?\\@.*?)----(.*?)[  \r]"
        << "a@b.com----pw1\r\nc@d.com----pw2 " << QStringList{"a@b.com", "c@d.com"};
    QTest::newRow("literal dot") << "(a\\.b)"
                                 << "axb a.b" << QStringList{"a.b"};
    QTest::newRow("whole characters")
        << "标题：(.)" << QString::fromUtf8("标题：青鸾") << QStringList{QString::fromUtf8("青")};
    QTest::newRow("paste keys") << "(.*?)[\r  \t\n]"
                                << "k1\r\nk2 k3\tk4" << QStringList{"k1", "", "k2", "k3"};
    QTest::newRow("vertical bar in class") << "([a-z0-9_]+@[a-z|0-9]+\\.[a-z0-9_]+)"
                                           << "x@a|b.cn" << QStringList{"x@a|b.cn"};
    QTest::newRow("multi-line anchors") << "^(\\w+)$"
                                        << "one\ntwo" << QStringList{"one", "two"};
    QTest::newRow("no match") << "(q)"
                              << "abc" << QStringList{};
}

void RegexMatcherTest::matches() {
    QFETCH(QString, pattern);
    QFETCH(QString, subject);
    QFETCH(QStringList, group1);
    RegexMatcher m;
    QVERIFY(m.Create(pattern, subject));
    QCOMPARE(m.MatchCount(), group1.size());
    for (int i = 0; i < group1.size(); ++i)
        QCOMPARE(m.SubmatchText(i + 1, 1), group1[i]);
}

void RegexMatcherTest::outOfRangeGivesEmpty() {
    RegexMatcher m;
    m.Create("(a)(x)?", "a a");
    QCOMPARE(m.MatchCount(), 2);
    QCOMPARE(m.SubmatchText(3, 1), QString());
    QCOMPARE(m.SubmatchText(0, 1), QString());
    QCOMPARE(m.SubmatchText(1, 2), QString());  // did not take part
    QCOMPARE(m.SubmatchText(1, 3), QString());  // does not exist
    QCOMPARE(m.SubmatchText(1, 0), QString());
}

void RegexMatcherTest::invalidPatternGivesNothing() {
    RegexMatcher m;
    m.Create("(a)", "a");
    QVERIFY(!m.Create("(unclosed", "unclosed"));
    QCOMPARE(m.MatchCount(), 0);
    QCOMPARE(m.SubmatchText(1, 1), QString());
}

void RegexMatcherTest::optionsCanBeTurnedOff() {
    RegexMatcher m;
    m.Create("(a)", "A a a", /*caseSensitive=*/true, true, /*global=*/false);
    QCOMPARE(m.MatchCount(), 1);
    QCOMPARE(m.SubmatchText(1, 1), QString("a"));
    m.Create("^(b)", "a\nb", false, /*multiLine=*/false);
    QCOMPARE(m.MatchCount(), 0);
}

void RegexMatcherTest::recreateReplacesEarlierMatches() {
    RegexMatcher m;
    m.Create("(\\d)", "1 2 3");
    m.Create("(\\d)", "9");
    QCOMPARE(m.MatchCount(), 1);
    QCOMPARE(m.SubmatchText(1, 1), QString("9"));
}

QTEST_APPLESS_MAIN(RegexMatcherTest)
#include "RegexMatcherTest.moc"
