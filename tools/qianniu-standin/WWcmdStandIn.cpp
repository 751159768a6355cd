// A stand-in for the Qianniu workbench on a test desktop under Wine. Built as WWcmd.exe.
//
//   WWcmd.exe aliim:sendmsg?uid=cntaobao<seller>&touid=cntaobao<buyer>
//       opens the seller's chat window (this same program with --window) and ends once the
//       window is there, as the workbench's command program does;
//   WWcmd.exe --window <seller> <buyer>
//       the chat window: a "StandardFrame" titled seller + " - 客服工作台" with the child tree the
//       chat sender walks, down to a "RichEditComponent" input box.
//
// Everything the windows receive is appended to the file named by QIANNIU_STANDIN_RECORD, one
// event a line, texts in UTF-8 as hex: OPENED <buyer>, SETTEXT <text>, KEYDOWN <vk>, KEYUP <vk>,
// DECOY <what> (a message that reached a window off the path), CLOSE.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

const wchar_t kTitleSuffix[] = L" - \u5BA2\u670D\u5DE5\u4F5C\u53F0";  // " - 客服工作台"
HWND g_inputBox = nullptr;

std::string Utf8Hex(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(size > 0 ? size - 1 : 0, '\0');
    if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    std::string hex;
    char byte[3];
    for (unsigned char c : utf8) {
        std::snprintf(byte, sizeof byte, "%02x", c);
        hex += byte;
    }
    return hex;
}

void Record(const std::string& line) {
    wchar_t path[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"QIANNIU_STANDIN_RECORD", path, MAX_PATH))
        return;
    FILE* file = _wfopen(path, L"ab");
    if (!file)
        return;
    std::fputs((line + "\n").c_str(), file);
    std::fclose(file);
}

LRESULT CALLBACK InputBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool real = window == g_inputBox;
    switch (message) {
        case WM_SETTEXT:
            Record(real ? "SETTEXT " + Utf8Hex(reinterpret_cast<const wchar_t*>(lParam))
                        : std::string("DECOY SETTEXT"));
            break;
        case WM_KEYDOWN:
            Record((real ? "KEYDOWN " : "DECOY KEYDOWN ") + std::to_string(wParam));
            return 0;
        case WM_KEYUP:
            Record((real ? "KEYUP " : "DECOY KEYUP ") + std::to_string(wParam));
            return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            Record("CLOSE");
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK PaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT && lParam && *reinterpret_cast<const wchar_t*>(lParam))
        Record("DECOY SETTEXT");
    return DefWindowProcW(window, message, wParam, lParam);
}

void Register(const wchar_t* name, WNDPROC proc) {
    WNDCLASSW cls = {};
    cls.lpfnWndProc = proc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = name;
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassW(&cls);
}

HWND Child(HWND parent, const wchar_t* cls) {
    return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

// The tree of the real workbench as the chat sender knows it, with decoys wherever a wrong step
// would land: a RichEditComponent under the second child's splitter, in the splitter's first
// child and after the real one, and a second SplitterBar.
int RunChatWindow(const std::wstring& seller, const std::wstring& buyer) {
    Register(L"StandardFrame", FrameProc);
    Register(L"Pane", PaneProc);
    Register(L"SplitterBar", PaneProc);
    Register(L"RichEditComponent", InputBoxProc);
    const std::wstring title = seller + kTitleSuffix;
    HWND frame = CreateWindowExW(0, L"StandardFrame", title.c_str(), WS_OVERLAPPEDWINDOW,
                                 CW_USEDEFAULT, CW_USEDEFAULT, 400, 300, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    Child(frame, L"Pane");
    HWND second = Child(frame, L"Pane");
    HWND wrongSplitter = Child(second, L"SplitterBar");
    Child(wrongSplitter, L"Pane");
    Child(Child(wrongSplitter, L"Pane"), L"RichEditComponent");
    HWND third = Child(frame, L"Pane");
    Child(frame, L"Pane");
    Child(third, L"Pane");
    HWND splitter = Child(third, L"SplitterBar");
    Child(Child(splitter, L"Pane"), L"RichEditComponent");
    HWND box = Child(splitter, L"Pane");
    Child(box, L"Pane");
    g_inputBox = Child(box, L"RichEditComponent");
    Child(box, L"RichEditComponent");
    Child(splitter, L"Pane");
    HWND otherSplitter = Child(third, L"SplitterBar");
    Child(otherSplitter, L"Pane");
    Child(Child(otherSplitter, L"Pane"), L"RichEditComponent");
    Record("OPENED " + Utf8Hex(buyer.c_str()));
    ShowWindow(frame, SW_SHOWNORMAL);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

// "aliim:sendmsg?uid=cntaobao<seller>&touid=cntaobao<buyer>"
bool ParseLink(const std::wstring& link, std::wstring* seller, std::wstring* buyer) {
    const std::wstring head = L"aliim:sendmsg?uid=cntaobao";
    const std::wstring middle = L"&touid=cntaobao";
    const std::size_t split = link.find(middle);
    if (link.compare(0, head.size(), head) != 0 || split == std::wstring::npos)
        return false;
    *seller = link.substr(head.size(), split - head.size());
    *buyer = link.substr(split + middle.size());
    return true;
}

int OpenChat(const std::wstring& seller, const std::wstring& buyer) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command =
        L"\"" + std::wstring(self) + L"\" --window \"" + seller + L"\" \"" + buyer + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return 2;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // The command program ends once the chat window is up.
    const std::wstring title = seller + kTitleSuffix;
    for (int i = 0; i < 200 && !FindWindowW(L"StandardFrame", title.c_str()); ++i)
        Sleep(50);
    return 0;
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc == 4 && std::wstring(argv[1]) == L"--window")
        return RunChatWindow(argv[2], argv[3]);
    std::wstring seller, buyer;
    if (argc == 2 && ParseLink(argv[1], &seller, &buyer))
        return OpenChat(seller, buyer);
    Record("BADCOMMAND " + Utf8Hex(GetCommandLineW()));
    return 1;
}
