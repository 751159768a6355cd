#include <QtTest>

#include "EngineFakes.h"
#include "engine/Deliveries.h"
#include "engine/DeliveryMethod.h"
#include "engine/KeyFile.h"
#include "engine/Signatures.h"
#include "support/MapControls.h"
#include "support/RecordingDialogs.h"
#include "support/VirtualClock.h"
#include "text/Gbk.h"
#include "text/TextRules.h"

using namespace fahuo;
using namespace fahuo::test;

namespace {

// One delivery at a time over fakes, in a data folder of its own.
struct Desk {
    QTemporaryDir dataDir;
    MapControls controls;
    VirtualClock clock;
    RecordingDialogs dialogs;
    FakeOrderSource orders;
    FakeKeyStore keys;
    FakeMail mail;
    FakeChat chat;
    Deliveries deliveries{{controls, clock, dialogs, orders, keys, mail, chat, dataDir.path()}};

    Desk() { SetDefaultSettings(controls); }
    void Switches(bool mailOn, bool shipOn, bool chatOn) {
        controls.SetTicked(QStringLiteral("选择框_发送邮件开关"), mailOn);
        controls.SetTicked(QStringLiteral("选择框_淘宝发货开关"), shipOn);
        controls.SetTicked(QStringLiteral("选择框_发千牛消息开关"), chatOn);
    }
    QString Body() const { return mail.sent.isEmpty() ? QString() : mail.sent.last().body; }
};

const QString kCrLf = QStringLiteral("\r\n");

// A product whose mail body is just the two key placeholders.
ProductRecord KeyProduct(const QString& method) {
    ProductRecord p = MakeProduct(QStringLiteral("会员卡"), method);
    p.setField(ProductRecord::MailBody, QStringLiteral("{email_kami}{email_Q}"));
    return p;
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

}  // namespace

class DeliveriesTest : public QObject {
    Q_OBJECT
  private slots:
    void keysText_data();
    void keysText();
    void noKeyTakenWhenCardSwitchOff_data();
    void noKeyTakenWhenCardSwitchOff();
    void switchesAndWaits_data();
    void switchesAndWaits();
    void mailChatAndCountersCarryTheFilledTexts();
    void counters_data();
    void counters();
    void noSendingMailboxStillWaitsAndGoesOn();
    void largeCountDeliveryWritesKeyFile_data();
    void largeCountDeliveryWritesKeyFile();
    void keyFileNameStaysInDataFolder_data();
    void keyFileNameStaysInDataFolder();
    void keyFileKeepsCharactersGbkLacks();
    void hugeOwedCountStaysBounded();
};

void DeliveriesTest::keysText_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("unitPrice");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<QStringList>("stock");  // "period|key" for card keys, "key" for count keys
    QTest::addColumn<QString>("keysText");
    QTest::addColumn<int>("left");

    const QString count = method::kDirectCount, card = method::kCardKeyWithPeriod,
                  multi = method::kMultiSpecCardKeys;
    // Tiers of every product: (1, value 1) and (10, value 3) for count keys / period "30";
    // (25, "90") as the next card tier.
    QTest::newRow("count: quantity times tier value")
        << count << "10.00" << 2 << QStringList{"k1", "k2", "k3", "k4", "k5", "k6", "k7"}
        << "k1\r\nk2\r\nk3\r\nk4\r\nk5\r\nk6\r\n"
        << 1;
    QTest::newRow("count: five owed, three left")
        << count << "1" << 5 << QStringList{"k1", "k2", "k3"} << "k1\r\nk2\r\nk3\r\n\r\n\r\n"
        << 0;
    QTest::newRow("count: nothing owed") << count << "1" << 0 << QStringList{"k1"} << "" << 1;
    QTest::newRow("card: one key whatever the quantity")
        << card << "10" << 3 << QStringList{"30|K-1", "30|K-2", "90|K-9"} << "K-9；有效期：90；\r\n"
        << 2;
    QTest::newRow("card: amount below every tier takes tier 1")
        << card << "0.50" << 1 << QStringList{"7|K-7", "30|K-1"} << "K-7；有效期：7；\r\n"
        << 1;
    QTest::newRow("card: none of the period left")
        << card << "10" << 1 << QStringList{"90|K-9"} << "；有效期：30；\r\n"
        << 1;
    QTest::newRow("multi: a key per unit, unit price as shown")
        << multi << "10.00" << 3 << QStringList{"30|K-1", "30|K-2", "30|K-3", "30|K-4", "30|K-5"}
        << "K-1；单价：10.00；有效期：30；\r\nK-2；单价：10.00；有效期：30；\r\n"
           "K-3；单价：10.00；有效期：30；\r\n"
        << 2;
    QTest::newRow("multi: cents match the integer tier")
        << multi << "25.50" << 1 << QStringList{"30|K-1", "90|K-9"}
        << "K-9；单价：25.50；有效期：90；\r\n"
        << 1;
    QTest::newRow("multi: stock runs out")
        << multi << "10.00" << 2 << QStringList{"30|K-1"}
        << "K-1；单价：10.00；有效期：30；\r\n；单价：10.00；有效期：30；\r\n"
        << 0;
    QTest::newRow("multi: quantity 0") << multi << "10.00" << 0 << QStringList{"30|K-1"} << "" << 1;
}

void DeliveriesTest::keysText() {
    QFETCH(QString, method);
    QFETCH(QString, unitPrice);
    QFETCH(int, quantity);
    QFETCH(QStringList, stock);
    QFETCH(QString, keysText);
    QFETCH(int, left);
    Desk desk;
    ProductRecord p = KeyProduct(method);
    const bool isCount = method == method::kDirectCount;
    p.setField(ProductRecord::LowestValue, isCount ? QStringLiteral("1") : QStringLiteral("7"));
    p.setField(ProductRecord::Price2, QStringLiteral("10"));
    p.setField(ProductRecord::Price2 + 1, isCount ? QStringLiteral("3") : QStringLiteral("30"));
    p.setField(ProductRecord::Price2 + 2, QStringLiteral("25"));
    p.setField(ProductRecord::Price2 + 3, isCount ? QString() : QStringLiteral("90"));
    for (const QString& s : stock) {
        if (isCount)
            desk.keys.AddCountKeys(p.title(), {s});
        else
            desk.keys.AddCardKeys(p.title(), s.section('|', 0, 0), {s.section('|', 1)});
    }
    // Another product's keys are never taken.
    desk.keys.AddCountKeys(QStringLiteral("别的"), {"x"});
    desk.keys.AddCardKeys(QStringLiteral("别的"), QStringLiteral("30"), {"y"});
    const OrderRecord order = MakeOrder(p.title(), "1001", "买家", unitPrice, quantity);
    QVERIFY(desk.deliveries.Deliver(order, p));

    QCOMPARE(desk.Body(), keysText + LongSignature());
    const auto& pool = isCount ? desk.keys.countKeys : desk.keys.cardKeys;
    QCOMPARE(desk.keys.Unused(pool), left + 1);
    for (const auto& k : pool)
        QCOMPARE(k.nick, k.used ? QStringLiteral("买家") : QString());
    QCOMPARE(isCount ? desk.keys.countViewRefreshes : desk.keys.cardViewRefreshes, 1);
}

void DeliveriesTest::noKeyTakenWhenCardSwitchOff_data() {
    QTest::addColumn<QString>("method");
    QTest::newRow("count") << method::kDirectCount;
    QTest::newRow("card") << method::kCardKeyWithPeriod;
    QTest::newRow("multi") << method::kMultiSpecCardKeys;
}

void DeliveriesTest::noKeyTakenWhenCardSwitchOff() {
    QFETCH(QString, method);
    Desk desk;
    desk.controls.SetTicked(QStringLiteral("选择框_发卡开关"), false);
    desk.controls.SetTicked(QStringLiteral("选择框_量大生附件"), false);
    ProductRecord p = KeyProduct(method);
    desk.keys.AddCountKeys(p.title(), {"k1"});
    desk.keys.AddCardKeys(p.title(), "1", {"c1"});
    desk.deliveries.Deliver(MakeOrder(p.title(), "1", "b", "1", 2), p);
    QCOMPARE(desk.Body(), LongSignature());
    QCOMPARE(desk.keys.Unused(desk.keys.countKeys) + desk.keys.Unused(desk.keys.cardKeys), 2);
    QCOMPARE(desk.deliveries.SuccessCount(), 1);
}

void DeliveriesTest::switchesAndWaits_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<bool>("mailOn");
    QTest::addColumn<bool>("shipOn");
    QTest::addColumn<bool>("chatOn");
    QTest::addColumn<QList<int>>("delays");

    const QList<QString> fiveSecondChat{method::kDirectDownload, method::kDirectCount,
                                        method::kTimedAccount, method::kCountedOrder};
    for (const QString& m : fiveSecondChat) {
        QTest::addRow("%s all on", qPrintable(m))
            << m << true << true << true << QList<int>{2000, 2000, 5000};
        QTest::addRow("%s all off", qPrintable(m)) << m << false << false << false << QList<int>{};
    }
    for (const QString& m : {method::kCardKeyWithPeriod, method::kMultiSpecCardKeys})
        QTest::addRow("%s all on", qPrintable(m))
            << m << true << true << true << QList<int>{2000, 2000, 1000};
    QTest::newRow("only consignment")
        << method::kDirectDownload << false << true << false << QList<int>{2000};
    QTest::newRow("only chat") << method::kDirectDownload << false << false << true
                               << QList<int>{5000};
}

void DeliveriesTest::switchesAndWaits() {
    QFETCH(QString, method);
    QFETCH(bool, mailOn);
    QFETCH(bool, shipOn);
    QFETCH(bool, chatOn);
    QFETCH(QList<int>, delays);
    Desk desk;
    desk.Switches(mailOn, shipOn, chatOn);
    const ProductRecord p = KeyProduct(method);
    const OrderRecord order = MakeOrder(p.title(), "77", "b", "24", 1);
    desk.orders.orders = {order};
    desk.deliveries.Deliver(order, p);
    QCOMPARE(desk.mail.sent.size(), mailOn ? 1 : 0);
    QCOMPARE(desk.orders.confirmed, shipOn ? QStringList{"77"} : QStringList{});
    QCOMPARE(desk.chat.sent.size(), chatOn ? 1 : 0);
    QCOMPARE(desk.clock.delays, delays);
    // The counters count the order whatever was sent.
    QCOMPARE(desk.controls.Text(QStringLiteral("标签_成功次数")), QStringLiteral("1"));
    QCOMPARE(desk.controls.Text(QStringLiteral("标签_总金额")), QStringLiteral("24"));
}

void DeliveriesTest::mailChatAndCountersCarryTheFilledTexts() {
    Desk desk;
    desk.controls.SetText(QStringLiteral("编辑框_卖家旺旺"), QStringLiteral(" 小店　掌柜 "));
    desk.controls.SetText(QStringLiteral("编辑框_发件箱延时"), QStringLiteral("3000"));
    ProductRecord p = MakeProduct(QStringLiteral("软件"), method::kDirectDownload);
    p.setField(ProductRecord::Download, QStringLiteral("http://dl.example.com/a.zip"));
    p.setField(ProductRecord::Attachment, QStringLiteral("说明.txt"));
    p.setField(ProductRecord::ChatTemplate, QStringLiteral("{niu_buyWang}，下载：{niu_xiazai}"));
    p.setField(ProductRecord::MailSubject, QStringLiteral("订单{title_bianhao}"));
    p.setField(ProductRecord::MailBody,
               QStringLiteral("{email_canpin} {email_xiazai}{email_kami} {email_myWang}"));
    const OrderRecord order = MakeOrder(p.title(), "555", QStringLiteral("买 家"));
    desk.deliveries.Deliver(order, p);

    QCOMPARE(desk.mail.sent.size(), 1);
    const DeliveryMail& m = desk.mail.sent[0];
    QCOMPARE(m.subject, QStringLiteral("订单555"));
    QCOMPARE(m.body,
             QStringLiteral("软件 http://dl.example.com/a.zip  小店　掌柜 ") + LongSignature());
    QCOMPARE(m.recipient, order.buyerEmail);
    QCOMPARE(m.attachmentName, QStringLiteral("说明.txt"));
    // A relative attachment name is a file of the data folder.
    QCOMPARE(m.attachmentFile, QDir(desk.dataDir.path()).filePath(QStringLiteral("说明.txt")));
    QCOMPARE(m.replyWait, QStringLiteral("3000"));
    QCOMPARE(m.from.address, QStringLiteral("shop@example.com"));

    QCOMPARE(desk.chat.sent.size(), 1);
    const FakeChat::Message& c = desk.chat.sent[0];
    QCOMPARE(c.seller, QStringLiteral("小店掌柜"));
    QCOMPARE(c.buyer, QStringLiteral("买家"));
    QCOMPARE(c.text, "\r\n\r\n" + QStringLiteral("买 家，下载：http://dl.example.com/a.zip") +
                         ShortSignature());
    QCOMPARE(c.path, QStringLiteral("C:/Qianniu/WWcmd.exe"));

    QVERIFY(LongSignature().startsWith("\r\n\r\n") && ShortSignature().startsWith("\r\n\r\n"));
    QVERIFY(FitsGbk(LongSignature()) && FitsGbk(ShortSignature()));
    QCOMPARE(LongSignature().count("\r\n"), 2);
    QCOMPARE(ShortSignature().count("\r\n"), 2);
}

void DeliveriesTest::counters_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QStringList>("amountsPaid");  // unit prices of quantity 1
    QTest::addColumn<QString>("after");
    QTest::newRow("100 + 24") << "100" << QStringList{"24"} << "124";
    QTest::newRow("24 and 5") << "0" << QStringList{"24", "5.90"} << "29";
    QTest::newRow("unreadable label reads 0") << "abc" << QStringList{"7"} << "7";
}

void DeliveriesTest::counters() {
    QFETCH(QString, before);
    QFETCH(QStringList, amountsPaid);
    QFETCH(QString, after);
    Desk desk;
    desk.Switches(false, false, false);
    desk.controls.SetText(QStringLiteral("标签_总金额"), before);
    const ProductRecord p = MakeProduct("A", method::kDirectDownload);
    for (const QString& price : amountsPaid)
        desk.deliveries.Deliver(MakeOrder("A", "1", "b", price, 1), p);
    QCOMPARE(desk.controls.Text(QStringLiteral("标签_总金额")), after);
    QCOMPARE(desk.controls.Text(QStringLiteral("标签_成功次数")),
             QString::number(amountsPaid.size()));
}

void DeliveriesTest::noSendingMailboxStillWaitsAndGoesOn() {
    Desk desk;
    desk.mail.hasMailbox = false;
    const ProductRecord p = MakeProduct("A", method::kDirectDownload);
    const OrderRecord order = MakeOrder("A", "9", "b");
    desk.orders.orders = {order};
    desk.deliveries.Deliver(order, p);
    QVERIFY(desk.mail.sent.isEmpty());
    QCOMPARE(desk.orders.confirmed, QStringList{"9"});
    QCOMPARE(desk.clock.delays, (QList<int>{2000, 2000, 5000}));
}

void DeliveriesTest::largeCountDeliveryWritesKeyFile_data() {
    QTest::addColumn<int>("owed");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<bool>("attachSwitch");
    QTest::addColumn<bool>("cardSwitch");
    QTest::addColumn<bool>("large");
    QTest::newRow("exactly the threshold") << 100 << "100" << true << true << true;
    QTest::newRow("one fewer") << 99 << "100" << true << true << false;
    QTest::newRow("blanks around the threshold") << 100 << " 100 " << true << true << true;
    QTest::newRow("letters make every delivery large") << 0 << "abc" << true << true << true;
    QTest::newRow("attachment switch off") << 500 << "100" << false << true << false;
    QTest::newRow("card switch off, threshold 0") << 5 << "0" << true << false << true;
}

void DeliveriesTest::largeCountDeliveryWritesKeyFile() {
    QFETCH(int, owed);
    QFETCH(QString, threshold);
    QFETCH(bool, attachSwitch);
    QFETCH(bool, cardSwitch);
    QFETCH(bool, large);
    Desk desk;
    desk.controls.SetText(QStringLiteral("编辑框_量大生附件"), threshold);
    desk.controls.SetTicked(QStringLiteral("选择框_量大生附件"), attachSwitch);
    desk.controls.SetTicked(QStringLiteral("选择框_发卡开关"), cardSwitch);
    ProductRecord p = KeyProduct(method::kDirectCount);
    p.setField(ProductRecord::Attachment, QStringLiteral("卡密.txt"));
    QStringList stock;
    for (int i = 0; i < owed; ++i)
        stock.append(QStringLiteral("卡%1").arg(i));
    desk.keys.AddCountKeys(p.title(), stock);
    const OrderRecord order = MakeOrder(p.title(), "2024", QStringLiteral("买家"), "1", owed);
    const QString keyFile = desk.dataDir.filePath(QStringLiteral("2024-买家.txt"));
    QCOMPARE(desk.deliveries.KeyFilePath(order), keyFile);

    desk.deliveries.Deliver(order, p);
    QCOMPARE(desk.mail.sent.size(), 1);
    const DeliveryMail& m = desk.mail.sent[0];
    QCOMPARE(m.attachmentName, QStringLiteral("卡密.txt"));
    QCOMPARE(QFileInfo::exists(keyFile), large);
    if (!large) {
        QCOMPARE(m.attachmentFile, desk.dataDir.filePath(QStringLiteral("卡密.txt")));
        return;
    }
    QCOMPARE(m.attachmentFile, keyFile);
    QString expected;
    if (cardSwitch) {
        for (const QString& k : stock)
            expected += k + kCrLf;
    }
    QCOMPARE(ReadFile(keyFile), EncodeGbk(expected));

    // Delivered again (the order stayed on the page): the file holds the new keys.
    if (cardSwitch && owed > 0) {
        desk.keys.AddCountKeys(p.title(), {QStringLiteral("新")});
        desk.deliveries.Deliver(MakeOrder(p.title(), "2024", QStringLiteral("买家"), "1", 1), p);
        if (TextToInteger(threshold) <= 1)
            QCOMPARE(ReadFile(keyFile), EncodeGbk(QStringLiteral("新\r\n")));
    }
}

void DeliveriesTest::keyFileNameStaysInDataFolder_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("nick");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "123"
                           << "abc"
                           << "123-abc.txt";
    QTest::newRow("Chinese nick") << "123"
                                  << "买家小王"
                                  << "123-买家小王.txt";
    QTest::newRow("parent folder in nick") << "1"
                                           << "../../evil"
                                           << "1-.._.._evil.txt";
    QTest::newRow("backslash and drive") << "C:\\x"
                                         << "a\\b"
                                         << "C__x-a_b.txt";
    QTest::newRow("Windows reserved characters") << "1"
                                                 << "a*b?c\"d<e>f|g"
                                                 << "1-a_b_c_d_e_f_g.txt";
    QTest::newRow("control character") << "1" << QString("a\tb\nc") << "1-a_b_c.txt";
}

void DeliveriesTest::keyFileNameStaysInDataFolder() {
    QFETCH(QString, number);
    QFETCH(QString, nick);
    QFETCH(QString, name);
    QCOMPARE(KeyFileName(number, nick), name);
    Desk desk;
    const QString path = desk.deliveries.KeyFilePath(MakeOrder("A", number, nick));
    QCOMPARE(QFileInfo(path).absolutePath(), QDir(desk.dataDir.path()).absolutePath());
}

void DeliveriesTest::keyFileKeepsCharactersGbkLacks() {
    QTemporaryDir dir;
    const QString path = dir.filePath("k.txt");
    QVERIFY(WriteKeyFile(path, QStringLiteral("键-1\r\n")));
    QCOMPARE(ReadFile(path), EncodeGbk(QStringLiteral("键-1\r\n")));
    const QString emoji = QStringLiteral("卡-😀\r\n");
    QVERIFY(WriteKeyFile(path, emoji));
    QCOMPARE(ReadFile(path), QByteArray("\xEF\xBB\xBF") + emoji.toUtf8());
}

void DeliveriesTest::hugeOwedCountStaysBounded() {
    Desk desk;
    desk.controls.SetTicked(QStringLiteral("选择框_量大生附件"), false);
    ProductRecord p = KeyProduct(method::kDirectCount);
    p.setField(ProductRecord::LowestValue, QStringLiteral("999999999999"));
    desk.keys.AddCountKeys(p.title(), {"k1", "k2"});
    desk.deliveries.Deliver(MakeOrder(p.title(), "1", "b", "1", 1000000), p);
    const QString body = desk.Body();
    QVERIFY(body.startsWith("k1\r\nk2\r\n\r\n"));
    QCOMPARE(body.count(kCrLf), 2 + 10000 + 2);  // taken keys, bounded empty lines, signature
    QCOMPARE(desk.keys.Unused(desk.keys.countKeys), 0);
}

QTEST_GUILESS_MAIN(DeliveriesTest)
#include "DeliveriesTest.moc"
