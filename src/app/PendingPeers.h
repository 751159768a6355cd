#pragma once

#include "engine/EngineSeams.h"

namespace fahuo {

// Stand-ins for the engine's peers whose modules are not part of this build yet: no orders,
// no keys, no mailbox, no Qianniu. The cycle then runs its passes and delivers nothing.
class NoOrders : public OrderSource {
  public:
    OrderList ReadOrderList() override { return {}; }
    bool ConfirmShipment(const OrderRecord&) override { return false; }
    void RefreshBrowser() override {}
};

class NoKeys : public KeyStore {
  public:
    QStringList TakeCountKeys(const QString&, const QString&, qint64) override { return {}; }
    QStringList TakeCardKeys(const QString&, const QString&, const QString&, qint64) override {
        return {};
    }
    void RefreshCountKeyView() override {}
    void RefreshCardKeyView() override {}
};

class NoMail : public MailChannel {
  public:
    std::optional<SendingMailbox> PickSendingMailbox() override { return std::nullopt; }
    bool SendMail(const DeliveryMail&) override { return false; }
};

class NoChat : public ChatChannel {
  public:
    void SendChatMessage(const QString&, const QString&, const QString&, const QString&) override {}
    QString WwcmdPath() const override { return {}; }
};

}  // namespace fahuo
