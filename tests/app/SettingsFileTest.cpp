#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/ProfileFile.h"
#include "app/SettingsFile.h"
#include "support/MapControls.h"
#include "support/TestPaths.h"
#include "text/Gbk.h"

using fahuo::test::MapControls;

namespace {

const QString kSection = QStringLiteral("编辑框");

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT
  private slots:
    void roundTrip_data();
    void roundTrip();
    void readsValueAsWindowsDoes_data();
    void readsValueAsWindowsDoes();
    void emptyOrMissingValueKeepsTheBox();
    void readsFileWrittenByWindows();
    void writesTheWindowsLayoutAndKeepsTheRest();
    void unwritableFileIsReportedNotThrown();
    void keysAreTheSeventyThreeBoxes();
};

// What the seller typed, and what comes back after a save and a load.
void SettingsFileTest::roundTrip_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("multi-line mail body")
        << QStringLiteral("亲，您的卡密：{email_kami}\r\n\r\n谢谢惠顾！\r\n")
        << QStringLiteral("亲，您的卡密：{email_kami}\r\n\r\n谢谢惠顾！\r\n");
    QTest::newRow("line-break mark typed by the seller")
        << QStringLiteral("a><br><b") << QStringLiteral("a\r\nb");
    QTest::newRow("lone LF kept as a break, not a broken file")
        << QStringLiteral("x\ny") << QStringLiteral("x\r\ny");
    QTest::newRow("blanks around are lost, inner kept")
        << QStringLiteral("  60 000\t ") << QStringLiteral("60 000");
    QTest::newRow("ideographic space is not a profile blank")
        << QStringLiteral("\u3000旺旺\u3000") << QStringLiteral("\u3000旺旺\u3000");
    QTest::newRow("quote and backslash")
        << QStringLiteral("it's C:\\x \"q\"") << QStringLiteral("it's C:\\x \"q\"");
    QTest::newRow("surrounding quotes are stripped, as on Windows")
        << QStringLiteral("\"quoted\"") << QStringLiteral("quoted");
    QTest::newRow("character outside GBK survives")
        << QStringLiteral("好评\U0001F600送") << QStringLiteral("好评\U0001F600送");
    QTest::newRow("numeric reference typed by the seller stays text")
        << QStringLiteral("&#x41;&#x597D;") << QStringLiteral("&#x41;&#x597D;");
    QTest::newRow("equals sign and brackets")
        << QStringLiteral("[a]=b;c") << QStringLiteral("[a]=b;c");
}

void SettingsFileTest::roundTrip() {
    QFETCH(QString, typed);
    QFETCH(QString, readBack);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("confi.ini"));
    MapControls before;
    before.SetText(QStringLiteral("编辑框_产品邮件内容"), typed);
    QVERIFY(fahuo::SaveSettings(before, path));
    const QByteArray bytes = ReadBytes(path);
    QVERIFY2(!bytes.contains('\n') || bytes.count('\n') == bytes.count("\r\n"),
             "every line ends in CR LF");

    MapControls after;
    after.SetText(QStringLiteral("编辑框_产品邮件内容"), QStringLiteral("default"));
    QVERIFY(fahuo::LoadSettings(after, path));
    QCOMPARE(after.Text(QStringLiteral("编辑框_产品邮件内容")), readBack);
}

// Raw value in the file -> what the Windows profile function hands back.
void SettingsFileTest::readsValueAsWindowsDoes_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    const QString x10239(10239, QLatin1Char('x'));
    QTest::newRow("ASCII cut at 10,239 bytes") << x10239 + QStringLiteral("yz") << x10239;
    QTest::newRow("exactly 10,239 bytes kept") << x10239 << x10239;
    const QString han5119(5119, QChar(0x6C49));  // 汉, two bytes each: 10,238 bytes
    QTest::newRow("Chinese never split") << han5119 + QStringLiteral("汉汉") << han5119;
    QTest::newRow("odd byte left over is not half a character")
        << QStringLiteral("a") + han5119 + QStringLiteral("汉") << QStringLiteral("a") + han5119;
    QTest::newRow("tabs and spaces trimmed")
        << QStringLiteral(" \t 3000 \t") << QStringLiteral("3000");
    QTest::newRow("single quotes stripped") << QStringLiteral("'a b'") << QStringLiteral("a b");
    QTest::newRow("quotes inside blanks stripped")
        << QStringLiteral("  \"a\"  ") << QStringLiteral("a");
    QTest::newRow("unmatched quotes kept") << QStringLiteral("\"a'") << QStringLiteral("\"a'");
    QTest::newRow("lone quote kept") << QStringLiteral("\"") << QStringLiteral("\"");
}

void SettingsFileTest::readsValueAsWindowsDoes() {
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("confi.ini"));
    WriteBytes(path, fahuo::EncodeGbk(QStringLiteral("[编辑框]\r\nk=") + stored + "\r\n"));
    fahuo::ProfileFile file;
    QVERIFY(file.Load(path));
    QCOMPARE(file.Value(kSection, QStringLiteral("k")), expected);
}

void SettingsFileTest::emptyOrMissingValueKeepsTheBox() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("confi.ini"));
    WriteBytes(path, fahuo::EncodeGbk(QStringLiteral(
                         "[编辑框]\r\n编辑框_发后延迟=\r\n编辑框_接受=   \r\n编辑框7=新\r\n")));
    MapControls controls;
    controls.SetText(QStringLiteral("编辑框_发后延迟"), QStringLiteral("60000"));
    controls.SetText(QStringLiteral("编辑框_接受"), QStringLiteral("买家旺旺"));
    controls.SetText(QStringLiteral("编辑框8"), QStringLiteral("标题"));
    controls.SetText(QStringLiteral("编辑框7"), QStringLiteral("收信人"));
    QVERIFY(fahuo::LoadSettings(controls, path));
    QCOMPARE(controls.Text(QStringLiteral("编辑框_发后延迟")), QStringLiteral("60000"));
    QCOMPARE(controls.Text(QStringLiteral("编辑框_接受")), QStringLiteral("买家旺旺"));
    QCOMPARE(controls.Text(QStringLiteral("编辑框8")), QStringLiteral("标题"));
    QCOMPARE(controls.Text(QStringLiteral("编辑框7")), QStringLiteral("新"));

    MapControls untouched;
    untouched.SetText(QStringLiteral("编辑框7"), QStringLiteral("收信人"));
    QVERIFY(!fahuo::LoadSettings(untouched, dir.filePath(QStringLiteral("missing.ini"))));
    QCOMPARE(untouched.Text(QStringLiteral("编辑框7")), QStringLiteral("收信人"));
}

void SettingsFileTest::readsFileWrittenByWindows() {
    MapControls controls;
    controls.SetText(QStringLiteral("编辑框_接受"), QStringLiteral("买家旺旺"));
    controls.SetText(QStringLiteral("编辑框_千牛延时"), QStringLiteral("3000"));
    QVERIFY(fahuo::LoadSettings(
        controls, fahuo::test::SourcePath(QStringLiteral("tests/app/fixtures/confi-windows.ini"))));
    QCOMPARE(controls.Text(QStringLiteral("编辑框_发后延迟")), QStringLiteral("30000"));
    QCOMPARE(controls.Text(QStringLiteral("编辑框4")),
             QStringLiteral("第一行\r\n第二行\r\n\r\n第四行"));
    QCOMPARE(controls.Text(QStringLiteral("编辑框_卖家旺旺")), QStringLiteral("青鸾小店"));
    // Key names match without regard to letter case, as the Windows functions match them.
    QCOMPARE(controls.Text(QStringLiteral("编辑框_wwcmd")), QStringLiteral("qianniu"));
    QCOMPARE(controls.Text(QStringLiteral("编辑框_产品邮件标题")), QStringLiteral("带引号的标题"));
    QCOMPARE(controls.Text(QStringLiteral("编辑框_接受")), QStringLiteral("买家旺旺"));
    // Another section's key of the same name is not ours.
    QCOMPARE(controls.Text(QStringLiteral("编辑框_千牛延时")), QStringLiteral("3000"));
}

void SettingsFileTest::writesTheWindowsLayoutAndKeepsTheRest() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("confi.ini"));
    QVERIFY(QFile::copy(
        fahuo::test::SourcePath(QStringLiteral("tests/app/fixtures/confi-windows.ini")), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    MapControls controls;
    controls.SetText(QStringLiteral("编辑框_发后延迟"), QStringLiteral("45000"));
    controls.SetText(QStringLiteral("编辑框4"), QStringLiteral("一\r\n二"));
    QVERIFY(fahuo::SaveSettings(controls, path));

    const QString text = fahuo::DecodeGbk(ReadBytes(path));
    QVERIFY(fahuo::EncodeGbk(text) == ReadBytes(path));
    QVERIFY(text.startsWith(
        QStringLiteral("[编辑框]\r\n编辑框_发后延迟=45000\r\n编辑框4=一><br><二\r\n")));
    QVERIFY(text.contains(QStringLiteral("\r\n[别的程序]\r\n编辑框_千牛延时=999\r\n")));
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    // Each key once: the fixture's 编辑框_WWCMD line is the one that was rewritten.
    QCOMPARE(text.count(QStringLiteral("编辑框_wwcmd="), Qt::CaseInsensitive), 1);
    const int ourSectionEnd = int(text.indexOf(QStringLiteral("[别的程序]")));
    for (const QString& key : fahuo::SettingsKeys())
        QVERIFY2(text.indexOf(QStringLiteral("\r\n") + key + QLatin1Char('='), 0,
                              Qt::CaseInsensitive) < ourSectionEnd,
                 qPrintable(key));

    fahuo::ProfileFile reread;
    QVERIFY(reread.Load(path));
    QCOMPARE(reread.Value(QStringLiteral("别的程序"), QStringLiteral("编辑框_千牛延时")),
             QStringLiteral("999"));
}

void SettingsFileTest::unwritableFileIsReportedNotThrown() {
    MapControls controls;
    QVERIFY(!fahuo::SaveSettings(controls, QStringLiteral("/nonexistent-folder/confi.ini")));
}

void SettingsFileTest::keysAreTheSeventyThreeBoxes() {
    const QStringList& keys = fahuo::SettingsKeys();
    QCOMPARE(keys.size(), 73);
    QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), 73);
}

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
