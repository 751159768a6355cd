// Runs the program's own chat steps (channels/ChatSteps.cpp) over the real Win32 window system
// (platform/Win32WindowSystem.cpp), for the Wine test:
//   chat-driver.exe <WWcmd path> <seller> <buyer> <text file, UTF-8> <open delay ms>
// Texts go to the windows as code page 936 bytes, as the program sends them; a text that the
// code page cannot hold goes as UTF-16. The exit code is the outcome (0: typed).
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

#include "channels/ChatSteps.h"
#include "platform/Win32WindowSystem.h"

namespace {

std::string Ansi(const std::wstring& text, bool* lossy) {
    BOOL used = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(),
                                         int(text.size()), nullptr, 0, nullptr, &used);
    std::string out(size, '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), int(text.size()), out.data(),
                        size, nullptr, &used);
    if (lossy)
        *lossy = used != FALSE;
    return out;
}

std::wstring ReadUtf8(const wchar_t* path) {
    FILE* file = _wfopen(path, L"rb");
    if (!file)
        return {};
    std::string bytes;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, n);
    std::fclose(file);
    const int size = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring text(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), text.data(), size);
    return text;
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc != 6) {
        std::fprintf(stderr, "usage: chat-driver.exe WWCMD SELLER BUYER TEXTFILE DELAYMS\n");
        return 64;
    }
    const std::wstring text = ReadUtf8(argv[4]);
    fahuo::ChatText chatText;
    bool lossy = false;
    chatText.ansi = Ansi(text, &lossy);
    if (lossy)
        chatText.wide.assign(text.begin(), text.end());

    fahuo::ChatStepWaits waits;
    waits.wait = [](int ms) { Sleep(ms > 0 ? DWORD(ms) : 0); };
    const int delay = _wtoi(argv[5]);
    waits.openDelayMs = [delay] { return delay; };

    fahuo::Win32WindowSystem windows;
    const DWORD start = GetTickCount();
    const fahuo::ChatOutcome outcome =
        fahuo::RunChatSteps(windows, Ansi(argv[2], nullptr), Ansi(argv[3], nullptr), chatText,
                            Ansi(argv[1], nullptr), waits);
    std::printf("outcome %d after %lu ms\n", int(outcome), GetTickCount() - start);
    return int(outcome);
}
