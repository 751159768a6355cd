#include "app/ModulePeers.h"

#include "channels/ChannelsModule.h"
#include "taobao/TaobaoModule.h"

namespace fahuo {

OrderList TaobaoOrders::ReadOrderList() {
    return taobao_.ReadOrderList();
}

bool TaobaoOrders::ConfirmShipment(const OrderRecord& order) {
    taobao_.ConfirmShipment(order);
    return true;
}

void TaobaoOrders::RefreshBrowser() {
    taobao_.RefreshBrowser();
}

std::optional<SendingMailbox> ChannelsMail::PickSendingMailbox() {
    if (controls_.RowCount(QStringLiteral("超级列表框_发件箱")) == 0)
        return std::nullopt;
    const channels::SendingMailbox box = channels_.PickSendingMailbox();
    return SendingMailbox{box.address, box.password, box.server, box.port};
}

bool ChannelsMail::SendMail(const DeliveryMail& mail) {
    return channels_.SendMail(mail.from.address, mail.from.password, mail.subject, mail.body,
                              mail.attachmentName, mail.attachmentFile, mail.recipient,
                              mail.from.server, mail.from.port, mail.replyWait);
}

void ChannelsChat::SendChatMessage(const QString& sellerNick, const QString& buyerNick,
                                   const QString& text, const QString& wwcmdPath) {
    channels_.SendChatMessage(sellerNick, buyerNick, text, wwcmdPath);
}

QString ChannelsChat::WwcmdPath() const {
    return channels_.WwcmdPath();
}

}  // namespace fahuo
