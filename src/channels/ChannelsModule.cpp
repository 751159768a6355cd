#include "channels/ChannelsModule.h"

#include "channels/QianniuChat.h"
#include "channels/QianniuFinder.h"
#include "channels/SendMail.h"
#include "channels/SmtpClient.h"
#include "platform/DriveRoots.h"
#include "text/TextRules.h"

namespace fahuo {

ChannelsModule::ChannelsModule(Controls& controls, UserDialogs& dialogs, Clock& clock,
                               WindowSystem& windows)
    : controls_(controls),
      dialogs_(dialogs),
      clock_(clock),
      windows_(windows),
      mail_(std::make_unique<SmtpClient>(clock)),
      finder_(std::make_unique<QianniuFinder>(controls, dialogs)) {}

ChannelsModule::~ChannelsModule() {
    StopQianniuFinder();
}

channels::SendingMailbox ChannelsModule::PickSendingMailbox() {
    return channels::PickSendingMailbox(controls_);
}

bool ChannelsModule::SendMail(const QString& address, const QString& password,
                              const QString& subject, const QString& body,
                              const QString& attachmentName, const QString& attachmentPath,
                              const QString& recipient, const QString& server, const QString& port,
                              const QString& replyWait, QString* error) {
    return fahuo::SendMail(*mail_, address, password, subject, body, attachmentName, attachmentPath,
                           recipient, server, port, replyWait, error);
}

ChatOutcome ChannelsModule::SendChatMessage(const QString& sellerNick, const QString& buyerNick,
                                            const QString& text, const QString& commandPath) {
    return fahuo::SendChatMessage(windows_, controls_, clock_, sellerNick, buyerNick, text,
                                  commandPath);
}

QString ChannelsModule::WwcmdPath() const {
    return finder_->WwcmdPath();
}

void ChannelsModule::StartQianniuFinder() {
    const QString combo = QStringLiteral("组合框_wwcmd");
    const DriveLayout drives = SystemDriveLayout();
    controls_.SetItems(combo, drives.roots);
    finder_->Start(controls_.Items(combo), drives.doNotEnter);
}

void ChannelsModule::StopQianniuFinder() {
    finder_->Stop();
}

QianniuFinder& ChannelsModule::Finder() {
    return *finder_;
}

SmtpClient& ChannelsModule::MailClient() {
    return *mail_;
}

void ChannelsModule::TestMail() {
    const channels::SendingMailbox box = PickSendingMailbox();
    const QString attachment = controls_.Text(QStringLiteral("编辑框10"));
    QString error;
    const bool sent =
        SendMail(box.address, box.password, controls_.Text(QStringLiteral("编辑框8")),
                 controls_.Text(QStringLiteral("编辑框9")) + longSignature_, attachment, attachment,
                 controls_.Text(QStringLiteral("编辑框7")), box.server, box.port,
                 controls_.Text(QStringLiteral("编辑框_发件箱延时")), &error);
    if (sent)
        dialogs_.ShowMessage(QStringLiteral("试发成功：邮件已由 %1 发出。").arg(box.address));
    else
        dialogs_.ShowMessage(
            QStringLiteral("试发失败（发件箱 %1）：%2")
                .arg(box.address.isEmpty() ? QStringLiteral("无") : box.address, error));
}

void ChannelsModule::TestChat() {
    const QString seller = RemoveAllSpaces(controls_.Text(QStringLiteral("编辑框_卖家旺旺")));
    const QString buyer = RemoveAllSpaces(controls_.Text(QStringLiteral("编辑框_接受")));
    const QString path = Trim(WwcmdPath());
    const ChatOutcome outcome =
        SendChatMessage(seller, buyer, controls_.Text(QStringLiteral("编辑框_旺旺内容")), path);
    dialogs_.ShowMessage(ChatOutcomeText(outcome, seller, path));
}

ControlActions ChannelsModule::Actions() {
    return {
        {QStringLiteral("按钮27"), ControlAction::Event::Clicked, [this] { TestMail(); }},
        {QStringLiteral("按钮_试发千牛"), ControlAction::Event::Clicked, [this] { TestChat(); }},
    };
}

}  // namespace fahuo
