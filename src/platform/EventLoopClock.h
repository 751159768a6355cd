#pragma once

#include <QElapsedTimer>

#include "platform/Clock.h"

namespace fahuo {

// The real clock: a wait runs a local event loop until its timer fires.
class EventLoopClock : public Clock {
  public:
    EventLoopClock();
    bool Delay(int milliseconds) override;
    void ProcessEvents() override;
    QDateTime Now() const override;
    qint64 UptimeMs() const override;

  private:
    QElapsedTimer uptime_;
};

}  // namespace fahuo
