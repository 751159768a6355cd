// fahuo-cli parse-orders: what the order reader sees in a saved logistics order list page, so a
// seller whose orders stop arriving can tell whether the page changed.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/CliCommand.h"
#include "cli/SavedPage.h"
#include "taobao/OrderListReader.h"

namespace fahuo::cli {
namespace {

int RunParseOrders(const QStringList& argv) {
    CliArgs args;
    QString page;
    QString error;
    if (!ReadSavedPage(argv, {}, &args, &page, &error))
        return Fail(error);
    QJsonArray out;
    for (const OrderRecord& o : ParseOrderList(page)) {
        out.append(QJsonObject{{"itemTitle", o.itemTitle},
                               {"buyerNick", o.buyerNick},
                               {"buyerEmail", o.buyerEmail},
                               {"orderNumber", o.orderNumber},
                               {"unitPrice", o.unitPrice},
                               {"quantity", o.quantity},
                               {"amount", o.amount},
                               {"orderId", o.orderId}});
    }
    Print(QString::fromUtf8(QJsonDocument(out).toJson()));
    return 0;
}

const bool registered = RegisterCommand(
    {QStringLiteral("parse-orders"),
     QStringLiteral("parse-orders FILE  (a saved order_list_new.htm page, GBK)"), RunParseOrders});

}  // namespace
}  // namespace fahuo::cli
