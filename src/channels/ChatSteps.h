#pragma once

// Plain C++ (no Qt): the same steps run in the program and in the Windows driver of the Wine
// test, so what runs under Wine is what the seller runs.
#include <functional>
#include <string>
#include <vector>

#include "platform/WindowSystem.h"

namespace fahuo {

// What a chat send reached; the deliveries ignore it, the test button shows it.
enum class ChatOutcome {
    Typed,              // the text was put into the input box and Enter pressed in it
    CommandNotStarted,  // the command program could not be started; no window was found either
    WindowNotFound,     // no chat window of the seller opened
    InputBoxNotFound,   // the chat window's children did not lead to the input box
};

// The chat text twice: as code page 936 bytes, and as UTF-16 for a text that GBK cannot hold
// (then `wide` is not empty and goes instead).
struct ChatText {
    std::string ansi;
    std::u16string wide;
};

struct ChatStepWaits {
    // A wait that keeps the seller's window working (Clock::Delay in the program).
    std::function<void(int milliseconds)> wait;
    // The pause after the command program has ended, read when it is needed.
    std::function<int()> openDelayMs;
    // How long the command program may run before the send goes on without it.
    int commandBoundMs = 30000;
    // How often its end is checked meanwhile.
    int commandPollMs = 50;
};

// The chat link on the command program's command line; nothing is quoted.
std::string ChatCommandLine(const std::string& path, const std::string& sellerNick,
                            const std::string& buyerNick);
// Title of the seller's chat window.
std::string ChatWindowTitle(const std::string& sellerNick);

// The direct children of a window, in the order the window system enumerates them, optionally
// only those of one class. A parent of 0 has no children here (never the desktop's).
std::vector<WindowHandle> ListChildWindows(WindowSystem& windows, WindowHandle parent,
                                           const char* className);

// Opens the chat with the command program, finds the input box, types the text, presses Enter
// and closes the chat window again. Nicks and path are code page 936 bytes.
ChatOutcome RunChatSteps(WindowSystem& windows, const std::string& sellerNick,
                         const std::string& buyerNick, const ChatText& text,
                         const std::string& commandPath, const ChatStepWaits& waits);

}  // namespace fahuo
