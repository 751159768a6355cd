#pragma once

#include "engine/EngineSeams.h"

namespace fahuo {
class TaobaoModule;
}  // namespace fahuo

// The engine's peers over the program's modules, for the window and the end-to-end test.
namespace fahuo::peers {

// The shop the engine reads and consigns through: the program's Taobao module.
class TaobaoOrders : public OrderSource {
  public:
    explicit TaobaoOrders(TaobaoModule& taobao) : taobao_(taobao) {}
    OrderList ReadOrderList() override;
    // Taobao's answer is not looked at: an order that stays on the page comes back next pass.
    bool ConfirmShipment(const OrderRecord& order) override;
    void RefreshBrowser() override;

  private:
    TaobaoModule& taobao_;
};

}  // namespace fahuo::peers
