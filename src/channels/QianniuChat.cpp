#include "channels/QianniuChat.h"

#include "text/Gbk.h"
#include "text/TextRules.h"

namespace fahuo {
namespace {

std::string Ansi(const QString& text) {
    return EncodeGbk(text).toStdString();
}

}  // namespace

ChatOutcome SendChatMessage(WindowSystem& windows, const Controls& controls, Clock& clock,
                            const QString& sellerNick, const QString& buyerNick,
                            const QString& text, const QString& commandPath) {
    ChatText chatText;
    chatText.ansi = Ansi(text);
    // A text that code page 936 cannot hold goes as UTF-16, so nothing arrives as "?".
    if (!FitsGbk(text))
        chatText.wide = text.toStdU16String();

    ChatStepWaits waits;
    waits.wait = [&clock](int ms) { clock.Delay(ms); };
    waits.openDelayMs = [&controls] {
        const qint64 ms =
            TextToInteger(RemoveAllSpaces(controls.Text(QStringLiteral("编辑框_千牛延时"))));
        return ms < 0 ? 0 : ms > INT_MAX ? INT_MAX : int(ms);
    };
    waits.commandBoundMs = kChatCommandBoundMs;
    return RunChatSteps(windows, Ansi(sellerNick), Ansi(buyerNick), chatText, Ansi(commandPath),
                        waits);
}

QString ChatOutcomeText(ChatOutcome outcome, const QString& sellerNick,
                        const QString& commandPath) {
    switch (outcome) {
        case ChatOutcome::Typed:
            return QStringLiteral("已把消息填入千牛聊天窗口并按下回车。");
        case ChatOutcome::CommandNotStarted:
            if (commandPath.isEmpty())
                return QStringLiteral("还没有找到千牛的WWcmd.exe，消息没有发出。");
            return QStringLiteral("无法运行千牛程序 %1，消息没有发出。").arg(commandPath);
        case ChatOutcome::WindowNotFound:
            return QStringLiteral(
                       "没有找到千牛聊天窗口“%1 - "
                       "客服工作台”，消息没有发出。请确认千牛已登录卖家旺旺。")
                .arg(sellerNick);
        case ChatOutcome::InputBoxNotFound:
            return QStringLiteral("千牛聊天窗口里找不到输入框，消息没有发出。");
    }
    return {};
}

}  // namespace fahuo
