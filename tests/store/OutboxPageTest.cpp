#include <QtTest>

#include "ModuleFixture.h"
#include "store/SmtpHost.h"
#include "text/Gbk.h"

using namespace fahuo;
using namespace fahuo::test;

namespace {

const QString kView = "超级列表框_发件箱";

void FillBox(ModuleFixture& f, const QString& product, const QString& address,
             const QString& password, const QString& server, const QString& port) {
    f.controls.SetText("组合框_发件箱产品", product);
    f.controls.SetText("编辑框_发件箱发件箱", address);
    f.controls.SetText("编辑框_发件箱密码", password);
    f.controls.SetText("编辑框_发件箱邮箱服务器", server);
    f.controls.SetText("编辑框_发件箱端口", port);
}

}  // namespace

class OutboxPageTest : public QObject {
    Q_OBJECT
  private slots:
    void smtpHostForAddress_data();
    void smtpHostForAddress();
    void add();
    void quoteAndBackslashRoundTrip();
    void paste_data();
    void paste();
    void modify();
    void deleteSelectedAndAll();
    void exportCanBePastedBack();
    void generate();
    void generateWithFirstAfterLast();
    void rowClickFillsTheBoxes();
};

void OutboxPageTest::smtpHostForAddress_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("host");
    QTest::newRow("163") << "shop@163.com"
                         << "smtp.163.com";
    QTest::newRow("163 in capitals") << "SHOP@163.COM"
                                     << "smtp.163.com";
    QTest::newRow("qq") << "12345@qq.com"
                        << "smtp.qq.com";
    QTest::newRow("126") << "a@126.Com"
                         << "smtp.126.com";
    QTest::newRow("vip.163 is not 163") << "a@vip.163.com"
                                        << "smtp.exmail.qq.com";
    QTest::newRow("163 tested before qq") << "a@qq.com.x@163.com"
                                          << "smtp.163.com";
    QTest::newRow("anywhere in the text") << "x@163.com.cn"
                                          << "smtp.163.com";
    QTest::newRow("enterprise") << "daili1@corp.cn"
                                << "smtp.exmail.qq.com";
    QTest::newRow("no at sign") << "163.com"
                                << "smtp.exmail.qq.com";
    QTest::newRow("empty") << ""
                           << "smtp.exmail.qq.com";
}

void OutboxPageTest::smtpHostForAddress() {
    QFETCH(QString, address);
    QFETCH(QString, host);
    QCOMPARE(SmtpHostForAddress(address), host);
}

void OutboxPageTest::add() {
    ModuleFixture f;
    QVERIFY(f.Open());
    FillBox(f, "  产品 ", " a@163.com ", " pw ", "smtp.x.com", "465");
    QVERIFY(f.Click("按钮25"));
    QCOMPARE(f.dialogs.LastMessage(), QString("添加记录成功"));
    // The server is taken as typed, the address and password too; only the product is trimmed.
    QCOMPARE(f.ViewRows(kView), QStringList{"产品| a@163.com | pw |smtp.x.com|465|"});
    QVERIFY(f.Click("按钮25"));
    QCOMPARE(f.dialogs.LastMessage(), QString("添加记录失败！邮箱不能重复，也不能空"));
    f.controls.SetText("编辑框_发件箱发件箱", "");
    QVERIFY(f.Click("按钮25"));
    QCOMPARE(f.dialogs.LastMessage(), QString("添加记录失败！邮箱不能重复，也不能空"));
    QCOMPARE(f.controls.RowCount(kView), 1);
}

void OutboxPageTest::quoteAndBackslashRoundTrip() {
    ModuleFixture f;
    QVERIFY(f.Open());
    FillBox(f, "p'\\", "o'neil\\@x.com", "p'w\\", "s'\\", "2'5");
    QVERIFY(f.Click("按钮25"));
    QCOMPARE(f.ViewRows(kView), QStringList{"p'\\|o'neil\\@x.com|p'w\\|s'\\|2'5|"});
    f.controls.Select(kView, 0);
    FillBox(f, "\\'", "\\'@y.com", "\\'", "\\'", "\\'");
    QVERIFY(f.Click("按钮_修改发件箱"));
    QCOMPARE(f.dialogs.LastMessage(), QString("更改数据成功！"));
    QCOMPARE(f.ViewRows(kView), QStringList{"\\'|\\'@y.com|\\'|\\'|\\'|"});
}

void OutboxPageTest::paste_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("rows");  // address|password|server after old@qq.com

    QTest::newRow("lines with CR LF")
        << "a@163.com----pw1\r\nb@qq.com----pw2\r\n"
        << QStringList{"a@163.com|pw1|smtp.163.com", "b@qq.com|pw2|smtp.qq.com"};
    QTest::newRow("last line without a line break")
        << "a@163.com----pw1\r\nb@corp.cn----pw2"
        << QStringList{"a@163.com|pw1|smtp.163.com", "b@corp.cn|pw2|smtp.exmail.qq.com"};
    QTest::newRow("bare line feeds")
        << "a@126.com----pw1\nb@126.com----pw2\n"
        << QStringList{"a@126.com|pw1|smtp.126.com", "b@126.com|pw2|smtp.126.com"};
    QTest::newRow("two on one line")
        << "a@163.com----pw1 b@163.com----pw2\r\n"
        << QStringList{"a@163.com|pw1|smtp.163.com", "b@163.com|pw2|smtp.163.com"};
    QTest::newRow("capitals keep the service") << "SHOP@163.COM----X\r\n"
                                               << QStringList{"SHOP@163.COM|X|smtp.163.com"};
    QTest::newRow("lines without @ or ---- skipped")
        << "no-at----pw\r\nx@qq.com pw\r\nc@qq.com----pw3\r\n"
        << QStringList{"c@qq.com|pw3|smtp.qq.com"};
    QTest::newRow("existing and repeated addresses refused")
        << "old@qq.com----new\r\nd@qq.com----1\r\nd@qq.com----2\r\n"
        << QStringList{"d@qq.com|1|smtp.qq.com"};
    QTest::newRow("full-width spaces removed") << "e@qq.com　----p　w\r\n"
                                               << QStringList{"e@qq.com|pw|smtp.qq.com"};
    QTest::newRow("quote and backslash") << "o'k@qq.com----p\\w'\r\n"
                                         << QStringList{"o'k@qq.com|p\\w'|smtp.qq.com"};
}

void OutboxPageTest::paste() {
    QFETCH(QString, clipboard);
    QFETCH(QStringList, rows);
    ModuleFixture f;
    QVERIFY(f.Open());
    FillBox(f, "旧", "old@qq.com", "old", "smtp.qq.com", "25");
    QVERIFY(f.Click("按钮25"));
    f.dialogs.messages.clear();

    FillBox(f, " 产品 ", "ignored", "ignored", "ignored", " 465");
    f.dialogs.clipboard = clipboard;
    QVERIFY(f.Click("按钮23"));
    QVERIFY(f.dialogs.messages.isEmpty());
    QStringList expected{"旧|old@qq.com|old|smtp.qq.com|25|"};
    for (const QString& r : rows)
        expected.append("产品|" + r + "| 465|");
    QCOMPARE(f.ViewRows(kView), expected);
}

void OutboxPageTest::modify() {
    ModuleFixture f;
    QVERIFY(f.Open());
    FillBox(f, "p", "a@qq.com", "1", "smtp.qq.com", "25");
    QVERIFY(f.Click("按钮25"));
    FillBox(f, "p", "b@qq.com", "2", "smtp.qq.com", "25");
    QVERIFY(f.Click("按钮25"));

    f.controls.Select(kView, 1);
    FillBox(f, " q ", "c@163.com", "3", "smtp.163.com", "465");
    QVERIFY(f.Click("按钮_修改发件箱"));
    QCOMPARE(f.dialogs.LastMessage(), QString("更改数据成功！"));
    QCOMPARE(f.ViewRows(kView).at(1), QString("q|c@163.com|3|smtp.163.com|465|"));

    f.controls.Select(kView, 1);
    f.controls.SetText("编辑框_发件箱发件箱", "a@qq.com");
    QVERIFY(f.Click("按钮_修改发件箱"));
    QCOMPARE(f.dialogs.LastMessage(), QString("更改数据失败！邮箱不能重复，也不能空"));

    const QStringList before = f.ViewRows(kView);
    f.controls.Select(kView, -1);
    FillBox(f, "x", "x@qq.com", "x", "x", "x");
    QVERIFY(f.Click("按钮_修改发件箱"));
    QCOMPARE(f.dialogs.LastMessage(), QString("更改数据成功！"));
    QCOMPARE(f.ViewRows(kView), before);
}

void OutboxPageTest::deleteSelectedAndAll() {
    ModuleFixture f;
    QVERIFY(f.Open());
    for (const char* a : {"a@qq.com", "b@qq.com", "c@qq.com"}) {
        FillBox(f, "p", a, "1", "smtp.qq.com", "25");
        QVERIFY(f.Click("按钮25"));
    }
    f.controls.Select(kView, -1);
    QVERIFY(f.Click("按钮24"));
    QCOMPARE(f.dialogs.LastMessage(), QString("删除数据失败！@"));
    f.controls.Select(kView, 0);
    QVERIFY(f.Click("按钮24"));
    QCOMPARE(f.dialogs.LastMessage(), QString("删除数据成功"));
    QCOMPARE(f.controls.Cell(kView, 0, 2), QString("b@qq.com"));
    QVERIFY(f.Click("按钮20"));
    QCOMPARE(f.dialogs.LastMessage(), QString("删除数据成功"));
    QCOMPARE(f.controls.RowCount(kView), 0);
}

void OutboxPageTest::exportCanBePastedBack() {
    ModuleFixture f;
    QVERIFY(f.Open());
    f.dialogs.clipboard = "a@163.com----密码1\r\nb@corp.cn----pw2";
    QVERIFY(f.Click("按钮23"));
    f.clock.Advance(3600 * 1000 - 42 * 1000);  // 2014-11-14 05:34:00
    QVERIFY(f.Click("按钮35"));
    const QString name = "2014年11月14日5时34分发件箱.txt";
    QCOMPARE(f.dialogs.LastMessage(), name + "导出完毕，保存在软件文件夹中");
    const QByteArray bytes = ReadBytes(f.DataPath(name));
    QCOMPARE(bytes, "a@163.com----" + EncodeGbk("密码1") + "\r\nb@corp.cn----pw2\r\n");

    QVERIFY(f.Click("按钮20"));
    f.dialogs.clipboard = DecodeGbk(bytes);
    QVERIFY(f.Click("按钮23"));
    QCOMPARE(f.controls.RowCount(kView), 2);
    QCOMPARE(f.controls.Cell(kView, 0, 3), QString("密码1"));
}

void OutboxPageTest::generate() {
    ModuleFixture f;
    QVERIFY(f.Open());
    f.controls.SetText("编辑框6", "产品'");
    f.controls.SetText("编辑框1", "daili");
    f.controls.SetText("编辑框2", " 1");
    f.controls.SetText("编辑框3", "3个");
    f.controls.SetText("编辑框_企业邮箱后缀", "@corp.cn");
    f.controls.SetText("编辑框5", "123456");
    f.controls.SetText("编辑框_发件箱端口", "465");
    QVERIFY(f.Click("按钮26"));
    QVERIFY(f.dialogs.messages.isEmpty());
    const QStringList expected = {
        "产品'|daili1@corp.cn|123456|smtp.exmail.qq.com|25|",
        "产品'|daili2@corp.cn|123456|smtp.exmail.qq.com|25|",
        "产品'|daili3@corp.cn|123456|smtp.exmail.qq.com|25|",
    };
    QCOMPARE(f.ViewRows(kView), expected);
    // The addresses exist now: a second run adds nothing.
    QVERIFY(f.Click("按钮26"));
    QCOMPARE(f.ViewRows(kView), expected);
    // Part of a range may exist: the rest still goes in.
    f.controls.SetText("编辑框3", "4");
    QVERIFY(f.Click("按钮26"));
    QCOMPARE(f.controls.RowCount(kView), 4);
    QCOMPARE(f.controls.Cell(kView, 3, 2), QString("daili4@corp.cn"));
}

void OutboxPageTest::generateWithFirstAfterLast() {
    ModuleFixture f;
    QVERIFY(f.Open());
    {
        StoreFile file(f.Path());
        QVERIFY(file.Run("insert into 发件箱(发件箱) values ('x@qq.com')"));
    }
    f.controls.SetText("编辑框1", "daili");
    f.controls.SetText("编辑框2", "5");
    f.controls.SetText("编辑框3", "4");
    QVERIFY(f.Click("按钮26"));
    // Nothing added, and the view refreshed all the same.
    QCOMPARE(f.controls.RowCount(kView), 1);

    // A last number beyond the largest reads as the largest; the series stops there.
    f.controls.SetText("编辑框2", "9223372036854775806");
    f.controls.SetText("编辑框3", "99999999999999999999");
    QVERIFY(f.Click("按钮26"));
    QCOMPARE(f.controls.RowCount(kView), 3);
    QCOMPARE(f.controls.Cell(kView, 2, 2), QString("daili9223372036854775807"));
}

void OutboxPageTest::rowClickFillsTheBoxes() {
    ModuleFixture f;
    QVERIFY(f.Open());
    FillBox(f, "p1", "a@qq.com", "1", "smtp.qq.com", "25");
    QVERIFY(f.Click("按钮25"));
    FillBox(f, "p2", "b@163.com", "2", "smtp.163.com", "465");
    QVERIFY(f.Click("按钮25"));
    FillBox(f, "", "", "", "", "");
    QVERIFY(f.ClickRow(kView, 1));
    QCOMPARE(f.controls.Text("组合框_发件箱产品"), QString("p2"));
    QCOMPARE(f.controls.Text("编辑框_发件箱发件箱"), QString("b@163.com"));
    QCOMPARE(f.controls.Text("编辑框_发件箱密码"), QString("2"));
    QCOMPARE(f.controls.Text("编辑框_发件箱邮箱服务器"), QString("smtp.163.com"));
    QCOMPARE(f.controls.Text("编辑框_发件箱端口"), QString("465"));
}

QTEST_GUILESS_MAIN(OutboxPageTest)
#include "OutboxPageTest.moc"
