#include "ScriptedWindowSystem.h"

#include <algorithm>

namespace fahuo::test {

WindowHandle ScriptedWindowSystem::Add(WindowHandle parent, const std::string& className,
                                       const std::string& title) {
    windows_.push_back({next_, parent, className, title});
    next_ += 0x10;
    return windows_.back().handle;
}

void ScriptedWindowSystem::Remove(WindowHandle window) {
    std::vector<WindowHandle> doomed{window};
    for (std::size_t i = 0; i < doomed.size(); ++i)
        for (const Window& w : windows_)
            if (w.parent == doomed[i])
                doomed.push_back(w.handle);
    std::erase_if(windows_, [&](const Window& w) {
        return std::find(doomed.begin(), doomed.end(), w.handle) != doomed.end();
    });
}

bool ScriptedWindowSystem::Exists(WindowHandle window) const {
    return std::any_of(windows_.begin(), windows_.end(),
                       [&](const Window& w) { return w.handle == window; });
}

WindowHandle ScriptedWindowSystem::FindChild(WindowHandle parent, WindowHandle after,
                                             const char* className, const char* title) {
    if (parent && !Exists(parent))
        return 0;
    bool started = after == 0;
    for (const Window& w : windows_) {
        if (w.parent != parent)
            continue;
        if (!started) {
            started = w.handle == after;
            continue;
        }
        if ((!className || w.className == className) && (!title || w.title == title))
            return w.handle;
    }
    return 0;
}

WindowHandle ScriptedWindowSystem::FindTopLevel(const char* className, const char* title) {
    return FindChild(0, 0, className, title);
}

void ScriptedWindowSystem::Send(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                std::intptr_t lParam) {
    if (!Exists(window))
        return;
    messages.push_back({window, message, wParam, lParam, {}, {}});
    if (message == kWmClose)
        Remove(window);
}

void ScriptedWindowSystem::SendText(WindowHandle window, unsigned message,
                                    const std::string& ansiText) {
    if (Exists(window))
        messages.push_back({window, message, 0, 0, ansiText, {}});
}

void ScriptedWindowSystem::SendWideText(WindowHandle window, unsigned message,
                                        const std::u16string& text) {
    if (Exists(window))
        messages.push_back({window, message, 0, 0, {}, text});
}

ProcessHandle ScriptedWindowSystem::StartCommand(const std::string& ansiCommandLine) {
    commands.push_back(ansiCommandLine);
    if (!commandStarts)
        return 0;
    checks_ = 0;
    if (onCommand)
        onCommand(ansiCommandLine);
    return 1;
}

bool ScriptedWindowSystem::CommandEnded(ProcessHandle) {
    if (commandRunsForChecks < 0)
        return false;
    return checks_++ >= commandRunsForChecks;
}

void ScriptedWindowSystem::ReleaseCommand(ProcessHandle) {
    ++released;
}

}  // namespace fahuo::test
