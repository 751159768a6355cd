#include "channels/ChatSteps.h"

namespace fahuo {
namespace {

const char kChatLinkSeller[] = " aliim:sendmsg?uid=cntaobao";
const char kChatLinkBuyer[] = "&touid=cntaobao";
// " - 客服工作台" in code page 936.
const char kChatTitleSuffix[] = " - \xBF\xCD\xB7\xFE\xB9\xA4\xD7\xF7\xCC\xA8";
const char kChatWindowClass[] = "StandardFrame";
const char kSplitterClass[] = "SplitterBar";
const char kInputBoxClass[] = "RichEditComponent";

WindowHandle Entry(const std::vector<WindowHandle>& list, std::size_t oneBased) {
    return list.size() >= oneBased ? list[oneBased - 1] : 0;
}

WindowHandle FirstChild(WindowSystem& windows, WindowHandle parent, const char* className) {
    return parent ? windows.FindChild(parent, 0, className, nullptr) : 0;
}

// Runs the command program and waits for its end, at most the bound.
bool RunCommand(WindowSystem& windows, const std::string& commandLine, const ChatStepWaits& waits) {
    const ProcessHandle process = windows.StartCommand(commandLine);
    if (!process)
        return false;
    const int poll = waits.commandPollMs > 0 ? waits.commandPollMs : 1;
    for (int waited = 0; !windows.CommandEnded(process) && waited < waits.commandBoundMs;
         waited += poll)
        waits.wait(poll);
    windows.ReleaseCommand(process);
    return true;
}

}  // namespace

std::string ChatCommandLine(const std::string& path, const std::string& sellerNick,
                            const std::string& buyerNick) {
    return path + kChatLinkSeller + sellerNick + kChatLinkBuyer + buyerNick;
}

std::string ChatWindowTitle(const std::string& sellerNick) {
    return sellerNick + kChatTitleSuffix;
}

std::vector<WindowHandle> ListChildWindows(WindowSystem& windows, WindowHandle parent,
                                           const char* className) {
    std::vector<WindowHandle> children;
    if (!parent)
        return children;
    for (WindowHandle child = windows.FindChild(parent, 0, className, nullptr); child;
         child = windows.FindChild(parent, child, className, nullptr)) {
        // A window system that hands back the same child again would never end the list.
        if (!children.empty() && children.back() == child)
            break;
        children.push_back(child);
    }
    return children;
}

ChatOutcome RunChatSteps(WindowSystem& windows, const std::string& sellerNick,
                         const std::string& buyerNick, const ChatText& text,
                         const std::string& commandPath, const ChatStepWaits& waits) {
    const bool started =
        RunCommand(windows, ChatCommandLine(commandPath, sellerNick, buyerNick), waits);
    waits.wait(waits.openDelayMs ? waits.openDelayMs() : 0);

    const std::string title = ChatWindowTitle(sellerNick);
    const WindowHandle chat = windows.FindChild(0, 0, kChatWindowClass, title.c_str());
    waits.wait(500);
    const std::vector<WindowHandle> chatChildren = ListChildWindows(windows, chat, nullptr);
    waits.wait(100);
    const WindowHandle third = Entry(chatChildren, 3);
    waits.wait(100);
    const WindowHandle splitter = FirstChild(windows, third, kSplitterClass);
    waits.wait(100);
    const std::vector<WindowHandle> splitterChildren = ListChildWindows(windows, splitter, nullptr);
    waits.wait(100);
    const WindowHandle second = Entry(splitterChildren, 2);
    waits.wait(100);
    const WindowHandle inputBox = FirstChild(windows, second, kInputBoxClass);
    waits.wait(100);

    // Without the input box nothing is typed anywhere; the waits keep their length so a chat
    // window that opens late is still there to be closed below.
    if (inputBox) {
        if (text.wide.empty())
            windows.SendText(inputBox, kWmSetText, text.ansi);
        else
            windows.SendWideText(inputBox, kWmSetText, text.wide);
    }
    waits.wait(100);
    if (inputBox)
        windows.Send(inputBox, kWmKeyDown, kVkReturn, 0);
    waits.wait(100);
    if (inputBox)
        windows.Send(inputBox, kWmKeyUp, kVkReturn, 0);
    waits.wait(100);

    const WindowHandle chatNow = windows.FindTopLevel(kChatWindowClass, title.c_str());
    waits.wait(100);
    if (chatNow)
        windows.Send(chatNow, kWmClose, 0, 0);
    waits.wait(100);

    if (inputBox)
        return ChatOutcome::Typed;
    if (chat)
        return ChatOutcome::InputBoxNotFound;
    return started ? ChatOutcome::WindowNotFound : ChatOutcome::CommandNotStarted;
}

}  // namespace fahuo
