#pragma once

#include "platform/WindowSystem.h"

namespace fahuo {

// A desktop that has no windows and starts no program.
class NoWindowSystem : public WindowSystem {
  public:
    WindowHandle FindChild(WindowHandle, WindowHandle, const char*, const char*) override {
        return 0;
    }
    WindowHandle FindTopLevel(const char*, const char*) override { return 0; }
    void Send(WindowHandle, unsigned, std::uintptr_t, std::intptr_t) override {}
    void SendText(WindowHandle, unsigned, const std::string&) override {}
    void SendWideText(WindowHandle, unsigned, const std::u16string&) override {}
    ProcessHandle StartCommand(const std::string&) override { return 0; }
    bool CommandEnded(ProcessHandle) override { return true; }
    void ReleaseCommand(ProcessHandle) override {}
};

}  // namespace fahuo
