#include "engine/ChannelsPeers.h"

#include "channels/ChannelsModule.h"
#include "engine/Signatures.h"

namespace fahuo::peers {

ChannelsMail::ChannelsMail(ChannelsModule& channels) : channels_(channels) {
    channels_.SetLongSignature(LongSignature());
}

std::optional<SendingMailbox> ChannelsMail::PickSendingMailbox() {
    const channels::SendingMailbox row = channels_.PickSendingMailbox();
    return SendingMailbox{row.address, row.password, row.server, row.port};
}

bool ChannelsMail::SendMail(const DeliveryMail& m) {
    return channels_.SendMail(m.from.address, m.from.password, m.subject, m.body, m.attachmentName,
                              m.attachmentFile, m.recipient, m.from.server, m.from.port,
                              m.replyWait);
}

void ChannelsChat::SendChatMessage(const QString& sellerNick, const QString& buyerNick,
                                   const QString& text, const QString& wwcmdPath) {
    channels_.SendChatMessage(sellerNick, buyerNick, text, wwcmdPath);
}

QString ChannelsChat::WwcmdPath() const {
    return channels_.WwcmdPath();
}

}  // namespace fahuo::peers
