#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/WindowSystem.h"

namespace fahuo::test {

// A desktop of scripted windows: a tree in creation order (the order FindChild enumerates),
// commands that start, run and end as told, and every message recorded.
class ScriptedWindowSystem : public WindowSystem {
  public:
    struct Message {
        WindowHandle window = 0;
        unsigned message = 0;
        std::uintptr_t wParam = 0;
        std::intptr_t lParam = 0;
        std::string text;     // WM_SETTEXT through SendText
        std::u16string wide;  // WM_SETTEXT through SendWideText
    };

    // Adds a window under `parent` (0: top level) after its existing children.
    WindowHandle Add(WindowHandle parent, const std::string& className,
                     const std::string& title = {});
    // Removes a window and everything under it.
    void Remove(WindowHandle window);
    bool Exists(WindowHandle window) const;

    WindowHandle FindChild(WindowHandle parent, WindowHandle after, const char* className,
                           const char* title) override;
    WindowHandle FindTopLevel(const char* className, const char* title) override;
    void Send(WindowHandle window, unsigned message, std::uintptr_t wParam,
              std::intptr_t lParam) override;
    void SendText(WindowHandle window, unsigned message, const std::string& ansiText) override;
    void SendWideText(WindowHandle window, unsigned message, const std::u16string& text) override;
    ProcessHandle StartCommand(const std::string& ansiCommandLine) override;
    bool CommandEnded(ProcessHandle process) override;
    void ReleaseCommand(ProcessHandle process) override;

    // Script of the command program.
    bool commandStarts = true;
    int commandRunsForChecks = 0;  // CommandEnded answers false this many times; -1: never ends
    std::function<void(const std::string&)> onCommand;  // runs when a command starts

    std::vector<std::string> commands;  // every command line started
    std::vector<Message> messages;      // every message sent to an existing window
    int released = 0;

  private:
    struct Window {
        WindowHandle handle;
        WindowHandle parent;
        std::string className;
        std::string title;
    };
    std::vector<Window> windows_;
    WindowHandle next_ = 0x100;
    int checks_ = 0;
};

}  // namespace fahuo::test
