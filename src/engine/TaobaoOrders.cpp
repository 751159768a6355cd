#include "engine/TaobaoOrders.h"

#include "taobao/TaobaoModule.h"

namespace fahuo::peers {

OrderList TaobaoOrders::ReadOrderList() {
    return taobao_.ReadOrderList();
}

bool TaobaoOrders::ConfirmShipment(const OrderRecord& order) {
    taobao_.ConfirmShipment(order);
    return true;
}

void TaobaoOrders::RefreshBrowser() {
    taobao_.RefreshBrowser();
}

}  // namespace fahuo::peers
