#pragma once

#include "platform/WindowSystem.h"

namespace fahuo {

// The Win32 desktop: FindWindowExA, FindWindowA, SendMessageA, CreateProcessA. Plain C++ over
// <windows.h>, so the same file builds into the program and into the Wine test driver.
class Win32WindowSystem : public WindowSystem {
  public:
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
};

}  // namespace fahuo
