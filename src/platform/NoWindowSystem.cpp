#include "platform/NoWindowSystem.h"

#include "platform/SystemWindowSystem.h"

namespace fahuo {

std::unique_ptr<WindowSystem> MakeSystemWindowSystem() {
    return std::make_unique<NoWindowSystem>();
}

}  // namespace fahuo
