#pragma once

#include <QDateTime>

namespace fahuo {

// Every wait of the program goes through this, so the window keeps working during it and tests
// can run a 60-second pause in no time.
class Clock {
  public:
    virtual ~Clock() = default;

    // Waits the full time while the window's events keep being handled; returns true.
    virtual bool Delay(int milliseconds) = 0;
    // Handles the window events that are waiting now, then returns.
    virtual void ProcessEvents() = 0;
    // The current local date-time.
    virtual QDateTime Now() const = 0;
    // Milliseconds since some fixed start, never going back.
    virtual qint64 UptimeMs() const = 0;
};

// The clock of the running program (set once at start-up; tests install their own).
Clock& ProgramClock();
void SetProgramClock(Clock* clock);

}  // namespace fahuo
