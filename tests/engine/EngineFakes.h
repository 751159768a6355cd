#pragma once

// Stand-ins for the shop, the key store, the mail and the chat, recording what the engine asks
// of them. The end-to-end test runs the same engine against the real modules.
#include <QStandardItemModel>
#include <QStringList>

#include "engine/EngineSeams.h"
#include "engine/ProductRecord.h"

namespace fahuo::test {

class FakeOrderSource : public OrderSource {
  public:
    OrderList ReadOrderList() override {
        ++reads;
        return orders;
    }
    // A confirmed order leaves the list, as the shop's page does.
    bool ConfirmShipment(const OrderRecord& order) override {
        confirmed.append(order.orderNumber);
        orders.removeIf([&](const OrderRecord& o) { return o.orderId == order.orderId; });
        return true;
    }
    void RefreshBrowser() override { ++refreshes; }

    OrderList orders;
    QStringList confirmed;
    int reads = 0;
    int refreshes = 0;
};

class FakeKeyStore : public KeyStore {
  public:
    struct Key {
        QString title, period, key, nick;
        bool used = false;
    };
    QStringList TakeCountKeys(const QString& title, const QString& nick, qint64 count) override {
        return Take(countKeys, title, nullptr, nick, count);
    }
    QStringList TakeCardKeys(const QString& title, const QString& period, const QString& nick,
                             qint64 count) override {
        return Take(cardKeys, title, &period, nick, count);
    }
    void RefreshCountKeyView() override { ++countViewRefreshes; }
    void RefreshCardKeyView() override { ++cardViewRefreshes; }

    void AddCountKeys(const QString& title, const QStringList& keys) {
        for (const QString& k : keys)
            countKeys.append({title, {}, k, {}});
    }
    void AddCardKeys(const QString& title, const QString& period, const QStringList& keys) {
        for (const QString& k : keys)
            cardKeys.append({title, period, k, {}});
    }
    int Unused(const QList<Key>& keys) const {
        return int(std::count_if(keys.begin(), keys.end(), [](const Key& k) { return !k.used; }));
    }

    QList<Key> countKeys, cardKeys;
    int countViewRefreshes = 0;
    int cardViewRefreshes = 0;

  private:
    static QStringList Take(QList<Key>& keys, const QString& title, const QString* period,
                            const QString& nick, qint64 count) {
        QStringList taken;
        for (Key& k : keys) {
            if (taken.size() >= count)
                break;
            if (!k.used && k.title == title && (!period || k.period == *period)) {
                k.used = true;
                k.nick = nick;
                taken.append(k.key);
            }
        }
        return taken;
    }
};

class FakeMail : public MailChannel {
  public:
    std::optional<SendingMailbox> PickSendingMailbox() override {
        if (!hasMailbox)
            return std::nullopt;
        return SendingMailbox{QStringLiteral("shop@example.com"), QStringLiteral("pw"),
                              QStringLiteral("smtp.example.com"), QStringLiteral("25")};
    }
    bool SendMail(const DeliveryMail& mail) override {
        sent.append(mail);
        return true;
    }
    bool hasMailbox = true;
    QList<DeliveryMail> sent;
};

class FakeChat : public ChatChannel {
  public:
    struct Message {
        QString seller, buyer, text, path;
    };
    void SendChatMessage(const QString& seller, const QString& buyer, const QString& text,
                         const QString& path) override {
        sent.append({seller, buyer, text, path});
    }
    QString WwcmdPath() const override { return path; }
    QString path = QStringLiteral("  C:/Qianniu/WWcmd.exe ");
    QList<Message> sent;
};

// The product list view as the window shows it: column 0 the id, 1 to 26 the product's fields,
// 27 the note.
inline void AddProductRow(QStandardItemModel& view, const ProductRecord& product) {
    QList<QStandardItem*> row;
    row.append(new QStandardItem(QString::number(view.rowCount() + 1)));
    for (int k = 1; k <= ProductRecord::kFieldCount; ++k)
        row.append(new QStandardItem(product.field(k)));
    row.append(new QStandardItem(QStringLiteral("备注")));
    view.appendRow(row);
}

inline ProductRecord MakeProduct(const QString& title, const QString& method) {
    ProductRecord p;
    p.setField(ProductRecord::Title, title);
    p.setField(ProductRecord::Method, method);
    p.setField(ProductRecord::LowestPrice, QStringLiteral("1"));
    p.setField(ProductRecord::LowestValue, QStringLiteral("1"));
    return p;
}

inline OrderRecord MakeOrder(const QString& title, const QString& number, const QString& nick,
                             const QString& unitPrice = QStringLiteral("10.00"),
                             qint64 quantity = 1) {
    OrderRecord o;
    o.itemTitle = title;
    o.orderNumber = number;
    o.orderId = QStringLiteral("id") + number;
    o.buyerNick = nick;
    o.buyerEmail = nick + QStringLiteral("@example.com");
    o.unitPrice = unitPrice;
    o.quantity = quantity;
    o.amount = AmountOf(unitPrice, quantity);
    return o;
}

}  // namespace fahuo::test

#include "platform/Controls.h"

namespace fahuo::test {

// The window's settings at their defaults, as far as the deliveries read them.
inline void SetDefaultSettings(Controls& c) {
    for (const char16_t* on : {u"选择框_发送邮件开关", u"选择框_淘宝发货开关",
                               u"选择框_发千牛消息开关", u"选择框_发卡开关", u"选择框_量大生附件"})
        c.SetTicked(QString::fromUtf16(on), true);
    c.SetTicked(QStringLiteral("选择框_网验开关"), false);
    c.SetText(QStringLiteral("编辑框_量大生附件"), QStringLiteral("100"));
    c.SetText(QStringLiteral("编辑框_发件箱延时"), QStringLiteral("5000"));
    c.SetText(QStringLiteral("编辑框_发后延迟"), QStringLiteral("60000"));
    c.SetText(QStringLiteral("编辑框_卖家旺旺"), QStringLiteral("小店 掌柜"));
    c.SetText(QStringLiteral("标签_成功次数"), QStringLiteral("0"));
    c.SetText(QStringLiteral("标签_总金额"), QStringLiteral("0"));
    c.SetText(QStringLiteral("编辑框_计时网验数据库"), QStringLiteral("daili"));
    c.SetText(QStringLiteral("编辑框_计时网验数据表"), QStringLiteral("yonghu"));
    c.SetText(QStringLiteral("编辑框_数据库订单表"), QStringLiteral("proxy_proxy_order"));
}

}  // namespace fahuo::test
