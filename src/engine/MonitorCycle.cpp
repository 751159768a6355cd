#include "engine/MonitorCycle.h"

#include <algorithm>
#include <limits>

#include "text/TextRules.h"

namespace fahuo {

namespace {
const QString kProductView = QStringLiteral("超级列表框_发货");
}  // namespace

MonitorCycle::MonitorCycle(Controls& controls, Clock& clock, OrderSource& orders,
                           Deliveries& deliveries)
    : controls_(controls), clock_(clock), orders_(orders), deliveries_(deliveries) {}

void MonitorCycle::StartClicked() {
    // The button is disabled, but a queued click must not start a second cycle inside the first.
    if (running_)
        return;
    controls_.SetEnabled(QStringLiteral("按钮_开始"), false);
    controls_.SetText(QStringLiteral("按钮_开始"), QStringLiteral("工作中"));
    RunMonitorCycle();
}

void MonitorCycle::RunMonitorCycle() {
    running_ = true;
    while (!stopping_) {
        RunPass();
        if (stopping_)
            break;
        PauseAfterPass();
    }
    running_ = false;
}

void MonitorCycle::RunPass() {
    RebuildProductCache();
    clock_.Delay(500);
    orders_.RefreshBrowser();
    clock_.Delay(1000);
    orderList_ = orders_.ReadOrderList();
    clock_.Delay(500);

    const qsizetype orderCount = orderList_.size();
    for (qsizetype i = 0; i < orderCount && !stopping_; ++i) {
        const OrderRecord order = orderList_[i];
        qsizetype matched = -1;
        for (qsizetype j = 0; j < productCache_.size(); ++j) {
            if (productCache_[j].title() == order.itemTitle) {
                matched = j;
                break;
            }
            clock_.ProcessEvents();
        }
        // Copies: a window event inside a delivery's waits must not pull the records away.
        if (matched >= 0) {
            const ProductRecord product = productCache_[matched];
            deliveries_.Deliver(order, product);
        }
        clock_.ProcessEvents();
    }
}

void MonitorCycle::PauseAfterPass() {
    const qint64 pause = TextToInteger(controls_.Text(QStringLiteral("编辑框_发后延迟")));
    clock_.Delay(int(std::clamp<qint64>(pause, 0, std::numeric_limits<int>::max())));
}

void MonitorCycle::RebuildProductCache() {
    productCache_.clear();
    const int rows = controls_.RowCount(kProductView);
    for (int r = 0; r < rows; ++r) {
        ProductRecord product;
        for (int k = 1; k <= ProductRecord::kFieldCount; ++k)
            product.setField(k, controls_.Cell(kProductView, r, k));
        productCache_.append(product);
        clock_.ProcessEvents();
    }
}

}  // namespace fahuo
