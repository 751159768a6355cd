#include "taobao/Consignment.h"

#include "taobao/TaobaoHosts.h"

namespace fahuo {

QByteArray ConsignmentFormBody() {
    return QByteArrayLiteral(
        "source=&callUrl=&action=user%2Fconsign_action&event_submit_do_dummy=anything&_fmw.n._0.g="
        "%C4%FA%BF%C9%D2%D4%D4%DA%B4%CB%CA%E4%C8%EB%B1%B8%CD%FC%D0%C5%CF%A2%A3%A8%BD%F6%C2%F4%BC%D2"
        "%D7%D4%BC%BA%BF%C9%BC%FB%A3%A9%A1%A3");
}

QString ConsignmentUrl(const TaobaoHosts& hosts, const OrderRecord& order) {
    return hosts.ConsignmentUrl() + QStringLiteral("?trade_id=") + order.orderNumber +
           QStringLiteral("&order_id=") + order.orderId;
}

}  // namespace fahuo
