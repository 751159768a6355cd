#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "taobao/OrderRecord.h"

namespace fahuo {

// What the deliveries need from the shop: the paid orders awaiting shipment, the shipment
// confirmation, and keeping the seller's web login alive.
class OrderSource {
  public:
    virtual ~OrderSource() = default;
    virtual OrderList ReadOrderList() = 0;
    virtual bool ConfirmShipment(const OrderRecord& order) = 0;
    virtual void RefreshBrowser() = 0;
};

// The keys of one order are taken together: all of them or none.
class KeyStore {
  public:
    virtual ~KeyStore() = default;
    // Up to count unused keys of the product, marked "已用" by the buyer; fewer when stock runs
    // out (never padded: the caller decides what a missing key looks like).
    virtual QStringList TakeCountKeys(const QString& title, const QString& nick, qint64 count) = 0;
    virtual QStringList TakeCardKeys(const QString& title, const QString& period,
                                     const QString& nick, qint64 count) = 0;
    virtual void RefreshCountKeyView() = 0;
    virtual void RefreshCardKeyView() = 0;
};

// One sending mailbox of the outbox list.
struct SendingMailbox {
    QString address;
    QString password;
    QString server;
    QString port;
};

struct DeliveryMail {
    SendingMailbox from;
    QString subject;
    QString body;
    QString attachmentName;
    QString attachmentFile;
    QString recipient;
    QString replyWait;  // text of 编辑框_发件箱延时
};

class MailChannel {
  public:
    virtual ~MailChannel() = default;
    // A random row of the outbox list; nothing when the list is empty.
    virtual std::optional<SendingMailbox> PickSendingMailbox() = 0;
    virtual bool SendMail(const DeliveryMail& mail) = 0;
};

class ChatChannel {
  public:
    virtual ~ChatChannel() = default;
    virtual void SendChatMessage(const QString& sellerNick, const QString& buyerNick,
                                 const QString& text, const QString& wwcmdPath) = 0;
    // Where the Qianniu command program was found; empty until then.
    virtual QString WwcmdPath() const = 0;
};

}  // namespace fahuo
