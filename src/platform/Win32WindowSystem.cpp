#include "platform/Win32WindowSystem.h"

#include <windows.h>

#include <vector>

namespace fahuo {
namespace {

HWND ToHwnd(WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}
WindowHandle FromHwnd(HWND hwnd) {
    return reinterpret_cast<WindowHandle>(hwnd);
}

}  // namespace

WindowHandle Win32WindowSystem::FindChild(WindowHandle parent, WindowHandle after,
                                          const char* className, const char* title) {
    return FromHwnd(FindWindowExA(ToHwnd(parent), ToHwnd(after), className, title));
}

WindowHandle Win32WindowSystem::FindTopLevel(const char* className, const char* title) {
    return FromHwnd(FindWindowA(className, title));
}

void Win32WindowSystem::Send(WindowHandle window, unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam) {
    SendMessageA(ToHwnd(window), message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
}

void Win32WindowSystem::SendText(WindowHandle window, unsigned message,
                                 const std::string& ansiText) {
    SendMessageA(ToHwnd(window), message, 0, reinterpret_cast<LPARAM>(ansiText.c_str()));
}

void Win32WindowSystem::SendWideText(WindowHandle window, unsigned message,
                                     const std::u16string& text) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows keeps UTF-16 in wchar_t");
    std::wstring wide(text.begin(), text.end());
    SendMessageW(ToHwnd(window), message, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

ProcessHandle Win32WindowSystem::StartCommand(const std::string& ansiCommandLine) {
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    std::vector<char> commandLine(ansiCommandLine.begin(), ansiCommandLine.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return 0;
    CloseHandle(process.hThread);
    return reinterpret_cast<ProcessHandle>(process.hProcess);
}

bool Win32WindowSystem::CommandEnded(ProcessHandle process) {
    return WaitForSingleObject(reinterpret_cast<HANDLE>(process), 0) != WAIT_TIMEOUT;
}

void Win32WindowSystem::ReleaseCommand(ProcessHandle process) {
    if (process)
        CloseHandle(reinterpret_cast<HANDLE>(process));
}

}  // namespace fahuo
