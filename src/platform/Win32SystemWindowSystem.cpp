#include "platform/SystemWindowSystem.h"
#include "platform/Win32WindowSystem.h"

namespace fahuo {

std::unique_ptr<WindowSystem> MakeSystemWindowSystem() {
    return std::make_unique<Win32WindowSystem>();
}

}  // namespace fahuo
