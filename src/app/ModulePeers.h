#pragma once

#include "engine/EngineSeams.h"

namespace fahuo {

class ChannelsModule;
class Controls;
class TaobaoModule;

// The engine's shop: orders, shipment and the browser login over the taobao module.
class TaobaoOrders : public OrderSource {
  public:
    explicit TaobaoOrders(TaobaoModule& taobao) : taobao_(taobao) {}
    OrderList ReadOrderList() override;
    // Taobao's answer is not looked at; the order leaving the list is the only sign.
    bool ConfirmShipment(const OrderRecord& order) override;
    void RefreshBrowser() override;

  private:
    TaobaoModule& taobao_;
};

// The engine's mail and chat over the channels module.
class ChannelsMail : public MailChannel {
  public:
    ChannelsMail(ChannelsModule& channels, const Controls& controls)
        : channels_(channels), controls_(controls) {}
    // Nothing when the outbox list is empty: there is no mailbox to send through.
    std::optional<SendingMailbox> PickSendingMailbox() override;
    bool SendMail(const DeliveryMail& mail) override;

  private:
    ChannelsModule& channels_;
    const Controls& controls_;
};

class ChannelsChat : public ChatChannel {
  public:
    explicit ChannelsChat(ChannelsModule& channels) : channels_(channels) {}
    void SendChatMessage(const QString& sellerNick, const QString& buyerNick, const QString& text,
                         const QString& wwcmdPath) override;
    QString WwcmdPath() const override;

  private:
    ChannelsModule& channels_;
};

}  // namespace fahuo
