#pragma once

// Plain C++ on purpose: the chat steps and the Win32 implementation are also built with
// mingw-w64 without Qt, for the driver that runs them under Wine.
#include <cstdint>
#include <string>

namespace fahuo {

// A window of the desktop or a started process; 0 means none.
using WindowHandle = std::uintptr_t;
using ProcessHandle = std::uintptr_t;

// The window messages the chat sender sends.
enum WindowMessage : unsigned {
    kWmSetText = 0x000C,
    kWmClose = 0x0010,
    kWmKeyDown = 0x0100,
    kWmKeyUp = 0x0101,
};
constexpr std::uintptr_t kVkReturn = 0x0D;

// The desktop's windows and processes as the Qianniu chat sender drives them. Texts are ANSI
// byte strings in code page 936 (GBK), as the "A" functions of Windows take them; a null class
// or title matches any.
class WindowSystem {
  public:
    virtual ~WindowSystem() = default;

    // FindWindowExA: the first child of `parent` (0: the top-level windows) after the child
    // `after` (0: from the first) with the class and title.
    virtual WindowHandle FindChild(WindowHandle parent, WindowHandle after, const char* className,
                                   const char* title) = 0;
    // FindWindowA: a top-level window by class and title.
    virtual WindowHandle FindTopLevel(const char* className, const char* title) = 0;

    // SendMessageA with numbers, synchronously.
    virtual void Send(WindowHandle window, unsigned message, std::uintptr_t wParam,
                      std::intptr_t lParam) = 0;
    // SendMessageA with a zero-terminated ANSI text as lParam (WM_SETTEXT).
    virtual void SendText(WindowHandle window, unsigned message, const std::string& ansiText) = 0;
    // SendMessageW with a UTF-16 text, for what code page 936 cannot hold.
    virtual void SendWideText(WindowHandle window, unsigned message,
                              const std::u16string& text) = 0;

    // CreateProcessA of a command line, its window shown normally; 0 when it cannot start.
    virtual ProcessHandle StartCommand(const std::string& ansiCommandLine) = 0;
    // True once the process has ended (or cannot be watched any more).
    virtual bool CommandEnded(ProcessHandle process) = 0;
    // Lets go of the process without ending it.
    virtual void ReleaseCommand(ProcessHandle process) = 0;
};

}  // namespace fahuo
