#pragma once

// The delivery channels as the window and the engine use them: mail through the seller's
// sending mailboxes, Qianniu chat, and the Qianniu finder. One object for the whole program run.
//
// Wiring (the window, at start-up):
//     std::unique_ptr<WindowSystem> windows = MakeSystemWindowSystem();  //
//     platform/SystemWindowSystem.h ChannelsModule channels(controls, dialogs, ProgramClock(),
//     *windows); connect every entry of channels.Actions()        // 按钮27 and 按钮_试发千牛
//     ... after the list views are filled (start-up step 6): channels.StartQianniuFinder();
//     at shutdown, before saving confi.ini:             channels.StopQianniuFinder();
//     channels.SetLongSignature(LongSignature());      // the line the test mail ends with too
// The engine gets the same object: PickSendingMailbox + SendMail for a mail, SendChatMessage
// with WwcmdPath() for a chat.
// Tests build it over tests' MapControls, RecordingDialogs, VirtualClock and a scripted
// window system (tests/channels/ScriptedWindowSystem.h, library fahuo_scripted_windows).

#include <QObject>
#include <QRandomGenerator>
#include <QString>
#include <memory>

#include "channels/ChatSteps.h"
#include "channels/SendingMailbox.h"
#include "platform/Clock.h"
#include "platform/ControlAction.h"
#include "platform/Controls.h"
#include "platform/UserDialogs.h"
#include "platform/WindowSystem.h"

namespace fahuo {

class QianniuFinder;
class SmtpClient;

class ChannelsModule {
  public:
    ChannelsModule(Controls& controls, UserDialogs& dialogs, Clock& clock, WindowSystem& windows);
    ~ChannelsModule();  // stops the finder
    ChannelsModule(const ChannelsModule&) = delete;
    ChannelsModule& operator=(const ChannelsModule&) = delete;

    // A random row of the outbox view 超级列表框_发件箱 (columns 2 to 5).
    channels::SendingMailbox PickSendingMailbox();

    // One mail through one mailbox; the ten texts in this order. Port and wait are read as
    // integers. True when the server accepted the mail; `error` (optional) gets the reason.
    // Runs on the window's thread; the window paints meanwhile but takes no clicks, for at
    // most the reply wait per reply.
    bool SendMail(const QString& address, const QString& password, const QString& subject,
                  const QString& body, const QString& attachmentName, const QString& attachmentPath,
                  const QString& recipient, const QString& server, const QString& port,
                  const QString& replyWait, QString* error = nullptr);

    // One chat text to a buyer through Qianniu. The callers remove all spaces from both nicks
    // and trim the path (WwcmdPath()); the text goes unchanged. The deliveries ignore the result.
    ChatOutcome SendChatMessage(const QString& sellerNick, const QString& buyerNick,
                                const QString& text, const QString& commandPath);

    // The path of the Qianniu command program found so far (empty until one is found).
    QString WwcmdPath() const;

    // Puts the drive roots into 组合框_wwcmd and starts the finder over the list read back from
    // it. Once per run; StopQianniuFinder ends it promptly (it waits for the thread).
    void StartQianniuFinder();
    void StopQianniuFinder();
    // The finder itself, for a window that wants to know when it is done (its Finished signal).
    QianniuFinder& Finder();

    // The test buttons: 按钮27 (试发一信) and 按钮_试发千牛 (试发千牛OK). Each shows its outcome in
    // a message box.
    ControlActions Actions();
    void TestMail();
    void TestChat();
    // What the test mail appends to the body of 编辑框9, as every delivery mail does.
    void SetLongSignature(const QString& signature) { longSignature_ = signature; }

    // The program's one mail client (its connection is held from one connect to the next).
    SmtpClient& MailClient();

  private:
    Controls& controls_;
    UserDialogs& dialogs_;
    Clock& clock_;
    WindowSystem& windows_;
    std::unique_ptr<SmtpClient> mail_;
    std::unique_ptr<QianniuFinder> finder_;
    QString longSignature_;
};

}  // namespace fahuo
