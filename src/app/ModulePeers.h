#pragma once

#include "engine/EngineSeams.h"

namespace fahuo {

class ChannelsModule;
class Controls;

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
