#pragma once

#include <memory>

#include "platform/WindowSystem.h"

namespace fahuo {

// The desktop of this machine: the Win32 windows on Windows; elsewhere a desktop without any
// window and without the Qianniu command program, so a chat send types nothing anywhere.
std::unique_ptr<WindowSystem> MakeSystemWindowSystem();

}  // namespace fahuo
