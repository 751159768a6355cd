// One pass of the monitor cycle against the real parts: taobao-sim over HTTP, a store file, the
// SMTP server and MariaDB of ./test, chat on a scripted desktop.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QUuid>
#include <QtTest>

#include "EngineFakes.h"
#include "MariaDb.h"
#include "ScriptedWindowSystem.h"
#include "channels/ChannelsModule.h"
#include "engine/ChannelsPeers.h"
#include "engine/DeliveryEngine.h"
#include "engine/Signatures.h"
#include "engine/StoreKeys.h"
#include "engine/TaobaoOrders.h"
#include "store/StoreModule.h"
#include "store/StoreSchema.h"
#include "support/MapControls.h"
#include "support/RecordingDialogs.h"
#include "support/TestPaths.h"
#include "support/VirtualClock.h"
#include "taobao/HttpRequest.h"
#include "taobao/TaobaoHosts.h"
#include "taobao/TaobaoModule.h"
#include "text/Gbk.h"

using namespace fahuo;
using namespace fahuo::test;
using namespace fahuo::peers;

namespace {

const QString kSeller = QStringLiteral("演示小店");
const QString kCrLf = QStringLiteral("\r\n");

// taobao-sim on a free port with the given shop, stopped with the test.
class Sim {
  public:
    bool Start(const QJsonObject& shop, QString* error) {
        shopFile_.open();
        shopFile_.write(QJsonDocument(shop).toJson());
        shopFile_.flush();
        process_.setProgram(BinDir() + QStringLiteral("/taobao-sim"));
        process_.setArguments({"--port", "0", "--shop", shopFile_.fileName(), "--user", "seller",
                               "--password", "pw-1"});
        process_.start();
        if (!process_.waitForStarted(10000) || !process_.waitForReadyRead(10000)) {
            *error = "taobao-sim did not start: " + process_.errorString() +
                     QString::fromUtf8(process_.readAllStandardError());
            return false;
        }
        const QString line = QString::fromUtf8(process_.readLine()).trimmed();
        base_ = line.section(' ', -1);
        if (!base_.startsWith("http://")) {
            *error = "taobao-sim said: " + line;
            return false;
        }
        return true;
    }
    ~Sim() {
        process_.kill();
        process_.waitForFinished(5000);
    }
    QString Base() const { return base_; }

  private:
    QTemporaryFile shopFile_;
    QProcess process_;
    QString base_;
};

struct Mail {
    QString to, subject, text;
    QList<QPair<QString, QByteArray>> attachments;
};

// The mails of this test in the shared mail folder, read by Python's MIME parser.
QList<Mail> MailsTo(const QString& token) {
    QProcess reader;
    reader.start("/usr/bin/python3", {SourcePath("tests/engine/read-mails.py"),
                                      qEnvironmentVariable("FAHUO_SMTP_MAILDIR")});
    reader.waitForFinished(30000);
    QList<Mail> mails;
    for (const QJsonValue& v : QJsonDocument::fromJson(reader.readAllStandardOutput()).array()) {
        const QJsonObject o = v.toObject();
        if (!o["to"].toString().contains(token))
            continue;
        Mail m{o["to"].toString(), o["subject"].toString(), o["text"].toString(), {}};
        for (const QJsonValue& a : o["attachments"].toArray())
            m.attachments.append({a["filename"].toString(),
                                  QByteArray::fromBase64(a["data"].toString().toLatin1())});
        mails.append(m);
    }
    return mails;
}

QJsonObject Order(const QString& title, const QString& nick, const QString& email,
                  const QString& number, const QString& unitPrice, int quantity) {
    return {{"itemTitle", title},     {"buyerNick", nick},      {"buyerEmail", email},
            {"orderNumber", number},  {"unitPrice", unitPrice}, {"quantity", quantity},
            {"orderId", "9" + number}};
}

QStringList ProductRow(const QString& title, const QString& method,
                       const QList<QPair<int, QString>>& fields) {
    QStringList row(ProductColumnNames().size());
    row[0] = title;
    row[1] = method;
    for (const auto& [field, text] : fields)
        row[field - 1] = text;
    return row;
}

// The seller's chat window, opened by the Qianniu command program for every chat.
void OpenChatWindowOnCommand(ScriptedWindowSystem& w) {
    w.onCommand = [&w](const std::string&) {
        const WindowHandle chat = w.Add(
            0, "StandardFrame", EncodeGbk(kSeller + QStringLiteral(" - 客服工作台")).toStdString());
        w.Add(chat, "Pane");
        w.Add(chat, "Pane");
        const WindowHandle third = w.Add(chat, "Pane");
        const WindowHandle splitter = w.Add(third, "SplitterBar");
        w.Add(splitter, "Pane");
        const WindowHandle box = w.Add(splitter, "Pane");
        w.Add(box, "Button");
        w.Add(box, "RichEditComponent");
    };
}

QStringList TypedTexts(const ScriptedWindowSystem& w) {
    QStringList texts;
    for (const auto& m : w.messages) {
        if (!m.text.empty())
            texts.append(DecodeGbk(QByteArray::fromStdString(m.text)));
        else if (!m.wide.empty())
            texts.append(QString::fromStdU16String(m.wide));
    }
    return texts;
}

}  // namespace

class EndToEndTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void onePassDeliversEveryMethodOnce();
    void withoutConsignmentTheOrderIsDeliveredAgain();

  private:
    // Everything of one shop run: the modules over map controls, a virtual clock, the store in a
    // temporary data folder, logged in to a fresh taobao-sim.
    struct Run {
        QTemporaryDir data;
        MapControls controls;
        RecordingDialogs dialogs;
        VirtualClock clock;
        ScriptedWindowSystem windows;
        Sim sim;
        std::unique_ptr<StoreModule> store;
        std::unique_ptr<TaobaoModule> taobao;
        std::unique_ptr<ChannelsModule> channels;
        std::unique_ptr<TaobaoOrders> orders;
        std::unique_ptr<StoreKeys> keys;
        std::unique_ptr<ChannelsMail> mail;
        std::unique_ptr<ChannelsChat> chat;
        std::unique_ptr<DeliveryEngine> engine;
    };
    bool Open(Run& run, const QJsonObject& shop);
};

void EndToEndTest::initTestCase() {
    if (qEnvironmentVariableIsEmpty("FAHUO_SMTP_PORT") || !MariaDb::Available())
        QSKIP("needs the SMTP server and MariaDB of ./test (FAHUO_SMTP_*, FAHUO_MYSQL_*)");
}

bool EndToEndTest::Open(Run& run, const QJsonObject& shop) {
    QString error;
    if (!run.sim.Start(shop, &error)) {
        qWarning("%s", qPrintable(error));
        return false;
    }
    SetDefaultSettings(run.controls);
    run.controls.SetText(QStringLiteral("编辑框_卖家旺旺"), kSeller);
    run.store = std::make_unique<StoreModule>(run.controls, run.dialogs, run.clock);
    if (!run.store->Open(run.data.path()))
        return false;
    for (const QString& view : ViewNames())
        run.controls.SetView(view, run.store->ViewModel(view));
    run.taobao = std::make_unique<TaobaoModule>(run.controls, run.dialogs, run.clock,
                                                *TaobaoHosts::ForBase(run.sim.Base()));
    // The seller logs in: the sim's login form, posted through the program's own HTTP client.
    HttpRequestArgs login;
    login.url = run.taobao->hosts().LoginPageUrl();
    login.method = QStringLiteral("POST");
    login.postData = "TPL_username=seller&TPL_password=pw-1";
    run.taobao->Http().Request(login);
    run.channels =
        std::make_unique<ChannelsModule>(run.controls, run.dialogs, run.clock, run.windows);
    OpenChatWindowOnCommand(run.windows);
    run.orders = std::make_unique<TaobaoOrders>(*run.taobao);
    run.keys = std::make_unique<StoreKeys>(*run.store);
    run.mail = std::make_unique<ChannelsMail>(*run.channels);
    run.chat = std::make_unique<ChannelsChat>(*run.channels);
    run.engine = std::make_unique<DeliveryEngine>(
        DeliveryPeers{run.controls, run.clock, run.dialogs, *run.orders, *run.keys, *run.mail,
                      *run.chat, run.data.path()});
    return true;
}

namespace {

const QString kDownload = QStringLiteral("Photoshop 入门视频教程 下载");
const QString kCount = QStringLiteral("QQ号码 直接计数");
const QString kCard = QStringLiteral("Office 2021 激活密钥");
const QString kMulti = QStringLiteral("迅雷会员 月卡 季卡");
const QString kTimed = QStringLiteral("软件授权 包月");
const QString kCounted = QStringLiteral("代理IP 计数版");

// One product of each method, its keys, and a sending mailbox on the test's SMTP server.
bool StockTheShop(LocalStore& store) {
    using F = ProductRecord;
    const QList<QStringList> products = {
        ProductRow(kDownload, "直接下载",
                   {{F::LowestPrice, "5"},
                    {F::LowestValue, "1"},
                    {F::Download, "https://pan.example.com/s/ps"},
                    {F::ChatTemplate, "下载：{niu_xiazai}"},
                    {F::MailSubject, "教程下载 {title_bianhao}"},
                    {F::MailBody, "{email_buyWang}您好，下载地址：{email_xiazai}"}}),
        ProductRow(kCount, "直接计数",
                   {{F::LowestPrice, "1"},
                    {F::LowestValue, "1"},
                    {F::Price2, "10"},
                    {F::Price2 + 1, "120"},
                    {F::Attachment, "号码.txt"},
                    {F::ChatTemplate, "号码已发邮箱"},
                    {F::MailSubject, "QQ号码 {title_bianhao}"},
                    {F::MailBody, "号码：\r\n{email_Q}"}}),
        ProductRow(kCard, "卡密有卡期",
                   {{F::LowestPrice, "39"},
                    {F::LowestValue, "365"},
                    {F::ChatTemplate, "密钥：{niu_kami}"},
                    {F::MailSubject, "密钥"},
                    {F::MailBody, "{email_kami}"}}),
        ProductRow(kMulti, "卡密多规格可多张",
                   {{F::LowestPrice, "15"},
                    {F::LowestValue, "30"},
                    {F::Price2, "40"},
                    {F::Price2 + 1, "90"},
                    {F::ChatTemplate, "{niu_kami}"},
                    {F::MailSubject, "迅雷 {title_buyWang}"},
                    {F::MailBody, "{email_kami}"}}),
        ProductRow(kTimed, "计时网验",
                   {{F::LowestPrice, "10"},
                    {F::LowestValue, "3"},
                    {F::Price2, "100"},
                    {F::Price2 + 1, "30"},
                    {F::GiftDays, "2"},
                    {F::GiftHours, "12"},
                    {F::ChatTemplate, "已开通"},
                    {F::MailSubject, "授权已开通"},
                    {F::MailBody, "{email_canpin} 已开通"}}),
        ProductRow(kCounted, "计数计时网验",
                   {{F::LowestPrice, "10"},
                    {F::LowestCount, "100"},
                    {F::LowestValue, "30"},
                    {F::GiftCount, "5"},
                    {F::ChatTemplate, "已开通"},
                    {F::MailSubject, "代理已开通"},
                    {F::MailBody, "{email_bianhao}"}}),
    };
    if (store.InsertEach(table::kProducts, ProductColumnNames(), products) != products.size())
        return false;
    QList<QStringList> countKeys, cardKeys;
    for (int i = 1; i <= 150; ++i)
        countKeys.append({kCount, QStringLiteral("Q%1----pw").arg(100000 + i), "未用"});
    cardKeys = {{kCard, "OFF-1", "365", "未用"},  {kCard, "OFF-2", "365", "未用"},
                {kMulti, "XL30-1", "30", "未用"}, {kMulti, "XL30-2", "30", "未用"},
                {kMulti, "XL90-1", "90", "未用"}, {kMulti, "XL90-2", "90", "未用"},
                {kMulti, "XL90-3", "90", "未用"}};
    const QString smtpHost = qEnvironmentVariable("FAHUO_SMTP_HOST");
    const QString smtpPort = qEnvironmentVariable("FAHUO_SMTP_PORT");
    return store.InsertEach(table::kCountKeys, {"产品", "卡密", "使用"}, countKeys) == 150 &&
           store.InsertEach(table::kCardKeys, {"产品", "卡密", "卡期", "使用"}, cardKeys) == 7 &&
           store.InsertEach(table::kOutbox, {"发件箱", "密码", "邮箱服务器", "端口"},
                            {{"shop@example.com", "secret", smtpHost, smtpPort}}) == 1;
}

QStringList UsedKeys(LocalStore& store, const QString& table, const QString& nick) {
    QStringList keys;
    const auto rows = store.Select(table, {"卡密", "使用", "买家"});
    if (!rows)
        qWarning("cannot read %s: %s", qPrintable(table), qPrintable(store.LastError()));
    for (const QStringList& row : rows.value_or(QList<QStringList>{})) {
        if (row[1] == QStringLiteral("已用") && row[2] == nick)
            keys.append(row[0]);
    }
    return keys;
}

QJsonArray SimConsignments(TaobaoModule& taobao) {
    HttpRequestArgs get;
    get.url = taobao.hosts().logistics + QStringLiteral("/sim/consignments");
    return QJsonDocument::fromJson(taobao.Http().Request(get)).array();
}

}  // namespace

void EndToEndTest::onePassDeliversEveryMethodOnce() {
    const QString token = QUuid::createUuid().toString(QUuid::Id128).left(10);
    const auto email = [&](const QString& who) { return who + "_" + token + "@example.com"; };
    const QJsonObject shop{
        {"orders", QJsonArray{Order(kDownload, "设计师阿杰", email("ajie"), "3001", "5.50", 1),
                              Order(kCount, "tb_lily88", email("lily"), "3002", "10.00", 1),
                              Order(kCard, "没留邮箱", "", "3003", "39.00", 1),
                              Order(kMulti, "追剧 达人", email("zhuiju"), "3004", "40.50", 2),
                              Order(kTimed, "o'b\\c", email("ob"), "3005", "100.00", 1),
                              Order(kCounted, "代理客户", email("proxy"), "3006", "25.00", 1)}}};
    Run run;
    QVERIFY(Open(run, shop));
    MariaDb db;
    FAHUO_REQUIRE_MARIADB(db);
    db.Configure(run.controls);
    run.controls.SetTicked(QStringLiteral("选择框_网验开关"), true);
    QVERIFY(StockTheShop(run.store->store()));
    for (const QString& view : ViewNames())
        run.store->RefreshView(view);
    LocalStore& store = run.store->store();
    QCOMPARE(run.taobao->ReadOrderList().size(), 6);

    MonitorCycle& cycle = run.engine->cycle();
    cycle.RunPass();

    // Keys: marked used by the buyer.
    const QStringList countUsed = UsedKeys(store, table::kCountKeys, "tb_lily88");
    QCOMPARE(countUsed.size(), 120);
    QCOMPARE(UsedKeys(store, table::kCardKeys, QStringLiteral("没留邮箱")).size(), 1);
    QStringList multiUsed = UsedKeys(store, table::kCardKeys, QStringLiteral("追剧 达人"));
    multiUsed.sort();
    QCOMPARE(multiUsed, (QStringList{"XL90-1", "XL90-2"}));

    // Mails: one per buyer who left an address, in page order.
    const QList<Mail> mails = MailsTo(token);
    QCOMPARE(mails.size(), 5);
    QCOMPARE(mails[0].subject, QStringLiteral("教程下载 3001"));
    QCOMPARE(
        mails[0].text,
        QStringLiteral("设计师阿杰您好，下载地址：https://pan.example.com/s/ps") + LongSignature());
    QVERIFY(mails[0].attachments.isEmpty());

    QString keysText;
    for (const QString& k : countUsed)
        keysText += k + kCrLf;
    QCOMPARE(mails[1].subject, QStringLiteral("QQ号码 3002"));
    QVERIFY(mails[1].text.startsWith("号码：\r\nQ"));
    QCOMPARE(mails[1].text.size(),
             (QStringLiteral("号码：\r\n") + keysText + LongSignature()).size());
    QCOMPARE(mails[1].attachments.size(), 1);
    QCOMPARE(mails[1].attachments[0].first, QStringLiteral("号码.txt"));
    const QByteArray keyFile = mails[1].attachments[0].second;
    QCOMPARE(keyFile.count("\r\n"), 120);
    QStringList fileKeys = DecodeGbk(keyFile).split(kCrLf, Qt::SkipEmptyParts);
    QStringList mailKeys =
        mails[1].text.mid(5).chopped(LongSignature().size()).split(kCrLf, Qt::SkipEmptyParts);
    QCOMPARE(fileKeys, mailKeys);  // same keys in the same order
    fileKeys.sort();
    QStringList sortedUsed = countUsed;
    sortedUsed.sort();
    QCOMPARE(fileKeys, sortedUsed);
    QVERIFY(QFileInfo::exists(run.data.filePath("3002-tb_lily88.txt")));

    QCOMPARE(mails[2].subject, QStringLiteral("迅雷 追剧 达人"));
    QCOMPARE(mails[2].text, QStringLiteral("XL90-1；单价：40.50；有效期：90；\r\n"
                                           "XL90-2；单价：40.50；有效期：90；\r\n") +
                                LongSignature());
    QCOMPARE(mails[3].subject, QStringLiteral("授权已开通"));
    QCOMPARE(mails[3].text, kTimed + QStringLiteral(" 已开通") + LongSignature());
    QCOMPARE(mails[4].subject, QStringLiteral("代理已开通"));
    QCOMPARE(mails[4].text, "3006" + LongSignature());

    // Consigned, and gone from the list.
    const QJsonArray consigned = SimConsignments(*run.taobao);
    QCOMPARE(consigned.size(), 6);
    for (const QJsonValue& c : consigned)
        QVERIFY(c.toObject()["shipped"].toBool());
    QVERIFY(run.taobao->ReadOrderList().isEmpty());

    // Chat: every buyer told, text between the blank line and our line.
    const QStringList chats = TypedTexts(run.windows);
    QCOMPARE(chats.size(), 6);
    QCOMPARE(chats[0],
             "\r\n\r\n" + QStringLiteral("下载：https://pan.example.com/s/ps") + ShortSignature());
    QCOMPARE(chats[3], "\r\n\r\n" +
                           QStringLiteral("XL90-1；单价：40.50；有效期：90；\r\n"
                                          "XL90-2；单价：40.50；有效期：90；\r\n") +
                           ShortSignature());

    // The seller's MySQL: the account row and the order row.
    const QList<QStringList> accounts = db.Rows("yonghu");
    QCOMPARE(accounts.size(), 1);
    const QStringList& a = accounts[0];
    QCOMPARE(a.mid(0, 9),
             (QStringList{"3005", "o'b\\c", kTimed, "10", "100", "", "1", "100", "35"}));
    QCOMPARE(QDateTime::fromString(a[9], "yyyy-MM-dd HH:mm:ss")
                 .secsTo(QDateTime::fromString(a[10], "yyyy-MM-dd HH:mm:ss")),
             qint64(35 * 86400 + 12 * 3600));
    QCOMPARE(a.mid(11), (QStringList{email("ob"), kSeller}));
    const QList<QStringList> orders = db.Rows("proxy_proxy_order");
    QCOMPARE(orders.size(), 1);
    const QStringList& o = orders[0];
    QCOMPARE(o.mid(0, 4), (QStringList{"3006", "250", "5", "0"}));
    QCOMPARE(o[4], QStringLiteral("计数"));
    QCOMPARE(QDateTime::fromString(o[5], "yyyy-MM-dd HH:mm:ss")
                 .daysTo(QDateTime::fromString(o[6], "yyyy-MM-dd HH:mm:ss")),
             qint64(31));
    QCOMPARE(o.mid(7), (QStringList{"<null>", "0", "1", "1", "1", QStringLiteral("代理客户"),
                                    "20357168924  ", "TRADE_FINISHED", QStringLiteral("国内  ")}));
    QVERIFY(run.dialogs.messages.isEmpty());

    // Counters: six orders, 5 + 10 + 39 + 80 + 100 + 25.
    QCOMPARE(run.controls.Text("标签_成功次数"), QStringLiteral("6"));
    QCOMPARE(run.controls.Text("标签_总金额"), QStringLiteral("259"));

    // A second pass finds nothing to deliver.
    cycle.RunPass();
    QCOMPARE(MailsTo(token).size(), 5);
    QCOMPARE(SimConsignments(*run.taobao).size(), 6);
    QCOMPARE(UsedKeys(store, table::kCountKeys, "tb_lily88").size(), 120);
    QCOMPARE(db.Rows("yonghu").size(), 1);
    QCOMPARE(db.Rows("proxy_proxy_order").size(), 1);
    QCOMPARE(run.controls.Text("标签_成功次数"), QStringLiteral("6"));
    QCOMPARE(run.controls.Text("标签_总金额"), QStringLiteral("259"));
}

void EndToEndTest::withoutConsignmentTheOrderIsDeliveredAgain() {
    const QString token = QUuid::createUuid().toString(QUuid::Id128).left(10);
    const QJsonObject shop{
        {"orders", QJsonArray{Order(kMulti, "回头客", "again_" + token + "@example.com", "4001",
                                    "15.00", 1)}}};
    Run run;
    QVERIFY(Open(run, shop));
    QVERIFY(StockTheShop(run.store->store()));
    for (const QString& view : ViewNames())
        run.store->RefreshView(view);
    run.controls.SetTicked(QStringLiteral("选择框_淘宝发货开关"), false);

    MonitorCycle& cycle = run.engine->cycle();
    cycle.RunPass();
    cycle.RunPass();
    const QList<Mail> mails = MailsTo(token);
    QCOMPARE(mails.size(), 2);
    QCOMPARE(mails[0].text,
             QStringLiteral("XL30-1；单价：15.00；有效期：30；\r\n") + LongSignature());
    QCOMPARE(mails[1].text,
             QStringLiteral("XL30-2；单价：15.00；有效期：30；\r\n") + LongSignature());
    QCOMPARE(UsedKeys(run.store->store(), table::kCardKeys, QStringLiteral("回头客")).size(), 2);
    QVERIFY(SimConsignments(*run.taobao).isEmpty());
    QCOMPARE(run.taobao->ReadOrderList().size(), 1);
    QCOMPARE(run.controls.Text("标签_成功次数"), QStringLiteral("2"));
    QCOMPARE(run.controls.Text("标签_总金额"), QStringLiteral("30"));
}

QTEST_GUILESS_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
