#include "platform/Clock.h"

#include "platform/EventLoopClock.h"

namespace fahuo {
namespace {
Clock* g_clock = nullptr;
}

Clock& ProgramClock() {
    if (!g_clock) {
        static EventLoopClock defaultClock;
        g_clock = &defaultClock;
    }
    return *g_clock;
}

void SetProgramClock(Clock* clock) {
    g_clock = clock;
}

}  // namespace fahuo
