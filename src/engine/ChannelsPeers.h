#pragma once

#include "engine/EngineSeams.h"

namespace fahuo {
class ChannelsModule;
}  // namespace fahuo

// The engine's peers over the program's modules, for the window and the end-to-end test.
namespace fahuo::peers {

// Mail through the program's channels module. Making one also hands the module our signature,
// which its test mail ends with as every delivery mail does.
class ChannelsMail : public MailChannel {
  public:
    explicit ChannelsMail(ChannelsModule& channels);
    // An empty outbox gives empty texts, and the mail then fails on the empty server.
    std::optional<SendingMailbox> PickSendingMailbox() override;
    bool SendMail(const DeliveryMail& mail) override;

  private:
    ChannelsModule& channels_;
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

}  // namespace fahuo::peers
