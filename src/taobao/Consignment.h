#pragma once

#include <QByteArray>
#include <QString>

#include "taobao/OrderRecord.h"

namespace fahuo {

struct TaobaoHosts;

// The form Taobao's "ship without logistics" page submits, sent as it is: its memo field carries
// the field's own hint text "您可以在此输入备忘信息（仅卖家自己可见）。" in percent-encoded GBK.
QByteArray ConsignmentFormBody();

// The consignment address of an order. Order number and order id go into the query as they
// are, without encoding, as the page's own form does.
QString ConsignmentUrl(const TaobaoHosts& hosts, const OrderRecord& order);

}  // namespace fahuo
