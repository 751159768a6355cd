#pragma once

#include <QCoreApplication>
#include <QList>
#include <functional>

#include "platform/Clock.h"

namespace fahuo::test {

// Virtual time: a wait advances the clock at once and lets pending events run, so a 60-second
// pause costs nothing. Every wait is recorded.
class VirtualClock : public Clock {
  public:
    explicit VirtualClock(QDateTime now = QDateTime(QDate(2014, 11, 14), QTime(4, 34, 42)))
        : now_(now) {}

    bool Delay(int milliseconds) override {
        delays.append(milliseconds);
        if (milliseconds > 0)
            elapsed_ += milliseconds;
        ProcessEvents();
        if (onDelay)
            onDelay(milliseconds);
        return true;
    }
    void ProcessEvents() override { QCoreApplication::processEvents(); }
    QDateTime Now() const override { return now_.addMSecs(elapsed_); }
    qint64 UptimeMs() const override { return elapsed_; }

    void Advance(qint64 ms) { elapsed_ += ms; }
    qint64 Elapsed() const { return elapsed_; }

    QList<int> delays;
    std::function<void(int)> onDelay;  // runs inside a wait, as a click by the seller would

  private:
    QDateTime now_;
    qint64 elapsed_ = 0;
};

// Installs a clock as the program clock for the life of the object.
class ScopedProgramClock {
  public:
    explicit ScopedProgramClock(Clock* clock) { SetProgramClock(clock); }
    ~ScopedProgramClock() { SetProgramClock(nullptr); }
};

}  // namespace fahuo::test
