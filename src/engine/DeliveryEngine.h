#pragma once

#include "engine/Deliveries.h"
#include "engine/MonitorCycle.h"
#include "platform/ControlAction.h"

namespace fahuo {

// The deliveries and the monitor cycle put together over their peers; what the window holds.
class DeliveryEngine {
  public:
    explicit DeliveryEngine(const DeliveryPeers& peers)
        : peers_(peers),
          deliveries_(peers),
          cycle_(peers.controls, peers.clock, peers.orders, deliveries_) {}

    // 按钮_开始 (start the cycle) and 按钮2 (test the MySQL connection), for the window to connect.
    ControlActions Actions();
    // The window calls this when the program ends: the cycle stops at its next step.
    void ProgramEnding() { cycle_.RequestStop(); }

    Deliveries& deliveries() { return deliveries_; }
    MonitorCycle& cycle() { return cycle_; }

  private:
    DeliveryPeers peers_;
    Deliveries deliveries_;
    MonitorCycle cycle_;
};

}  // namespace fahuo
