#include "Shop.h"

#include <QJsonValue>

#include "text/TextRules.h"

namespace {

QString TextOf(const QJsonValue& v) {
    if (v.isDouble())
        return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

template <typename Add>
bool ForEachObject(const QJsonValue& value, const char* what, QString* error, Add add) {
    if (value.isObject())
        return add(value.toObject());
    if (!value.isArray()) {
        *error = QStringLiteral("%1 must be an object or an array of objects").arg(what);
        return false;
    }
    for (const QJsonValue& v : value.toArray()) {
        if (!v.isObject()) {
            *error = QStringLiteral("%1 must be objects").arg(what);
            return false;
        }
        if (!add(v.toObject()))
            return false;
    }
    return true;
}

}  // namespace

bool Shop::AddOrders(const QJsonValue& value, QString* error) {
    return ForEachObject(value, "orders", error, [&](const QJsonObject& o) {
        SimOrder order;
        order.itemTitle = o.value("itemTitle").toString();
        order.buyerNick = o.value("buyerNick").toString();
        order.buyerEmail = o.value("buyerEmail").toString();
        order.buyerMessage = o.value("buyerMessage").toString();
        order.orderNumber = TextOf(o.value("orderNumber"));
        order.unitPrice = TextOf(o.value("unitPrice"));
        order.quantity = o.value("quantity").toInteger(1);
        order.orderId = TextOf(o.value("orderId"));
        order.shipped = o.value("shipped").toBool(false);
        if (order.buyerNick.isEmpty() || order.orderId.isEmpty()) {
            *error = QStringLiteral("an order needs buyerNick and orderId");
            return false;
        }
        orders.append(order);
        return true;
    });
}

bool Shop::AddItems(const QJsonValue& value, QString* error) {
    return ForEachObject(value, "items", error, [&](const QJsonObject& o) {
        SimItem item{o.value("title").toString(), TextOf(o.value("id")), TextOf(o.value("price"))};
        if (item.title.isEmpty() || item.id.isEmpty()) {
            *error = QStringLiteral("an item needs title and id");
            return false;
        }
        items.append(item);
        return true;
    });
}

bool Shop::Load(const QJsonObject& shop, QString* error) {
    Clear();
    if (shop.contains("orders") && !AddOrders(shop.value("orders"), error))
        return false;
    if (shop.contains("items") && !AddItems(shop.value("items"), error))
        return false;
    return true;
}

void Shop::Clear() {
    orders.clear();
    items.clear();
    consignments.clear();
}

QJsonArray Shop::OrdersJson() const {
    QJsonArray out;
    for (const SimOrder& o : orders) {
        out.append(QJsonObject{{"itemTitle", o.itemTitle},
                               {"buyerNick", o.buyerNick},
                               {"buyerEmail", o.buyerEmail},
                               {"buyerMessage", o.buyerMessage},
                               {"orderNumber", o.orderNumber},
                               {"unitPrice", o.unitPrice},
                               {"quantity", o.quantity},
                               {"orderId", o.orderId},
                               {"shipped", o.shipped}});
    }
    return out;
}

QJsonArray Shop::ItemsJson() const {
    QJsonArray out;
    for (const SimItem& i : items)
        out.append(QJsonObject{{"title", i.title}, {"id", i.id}, {"price", i.price}});
    return out;
}

QJsonArray Shop::ConsignmentsJson() const {
    QJsonArray out;
    for (const Consignment& c : consignments) {
        out.append(QJsonObject{{"tradeId", c.tradeId},
                               {"orderId", c.orderId},
                               {"query", c.query},
                               {"body", QString::fromLatin1(c.body)},
                               {"loggedIn", c.loggedIn},
                               {"formAccepted", c.formAccepted},
                               {"shipped", c.shipped}});
    }
    return out;
}

SimOrder* Shop::FindUnshipped(const QString& tradeId, const QString& orderId) {
    for (SimOrder& o : orders) {
        if (!o.shipped && fahuo::RemoveAllSpaces(o.orderNumber) == tradeId &&
            fahuo::RemoveAllSpaces(o.orderId) == orderId)
            return &o;
    }
    return nullptr;
}
