#pragma once

#include "engine/Deliveries.h"
#include "engine/EngineSeams.h"
#include "engine/ProductRecord.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "taobao/OrderRecord.h"

namespace fahuo {

// The unattended loop the start button sets going: snapshot the products, keep the web login
// alive, read the paid orders, hand each to the delivery of the first product with its exact
// title, pause, and again. Only the program's end stops it.
class MonitorCycle {
  public:
    MonitorCycle(Controls& controls, Clock& clock, OrderSource& orders, Deliveries& deliveries);

    // 按钮_开始: disables the button, shows "工作中" and runs the cycle until the program ends.
    void StartClicked();
    // Passes one after another, a loop (never a call of itself), until RequestStop.
    void RunMonitorCycle();
    // One pass without the pause that follows it.
    void RunPass();
    // The pause after a pass: 编辑框_发后延迟 as read now; 0 or letters mean none.
    void PauseAfterPass();
    void RebuildProductCache();

    // Set by the window when the program ends: the cycle returns at its next step.
    void RequestStop() { stopping_ = true; }
    bool Running() const { return running_; }

    const ProductCache& productCache() const { return productCache_; }
    const OrderList& orderList() const { return orderList_; }

  private:
    Controls& controls_;
    Clock& clock_;
    OrderSource& orders_;
    Deliveries& deliveries_;
    ProductCache productCache_;
    OrderList orderList_;
    bool running_ = false;
    bool stopping_ = false;
};

}  // namespace fahuo
