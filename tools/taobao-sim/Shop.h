#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

// What the stand-in shop holds: paid orders (shipped or not), items on sale and every
// consignment request it received.
struct SimOrder {
    QString itemTitle;
    QString buyerNick;
    QString buyerEmail;    // may be empty: the buyer left no address
    QString buyerMessage;  // the rest of the buyer's note, after the address
    QString orderNumber;   // as the page shows it, spaces and all
    QString unitPrice;     // "12.50"
    qint64 quantity = 1;
    QString orderId;
    bool shipped = false;
};

struct SimItem {
    QString title;
    QString id;
    QString price;
};

struct Consignment {
    QString tradeId;
    QString orderId;
    QString query;
    QByteArray body;
    bool loggedIn = false;
    bool formAccepted = false;
    bool shipped = false;  // this request marked an order shipped
};

class Shop {
  public:
    // Adds what a shop document holds: {"orders": [...], "items": [...]}, or a single order or
    // item, or an array of them. Returns false and names the fault for a bad document.
    bool AddOrders(const QJsonValue& value, QString* error);
    bool AddItems(const QJsonValue& value, QString* error);
    bool Load(const QJsonObject& shop, QString* error);
    void Clear();

    QJsonArray OrdersJson() const;
    QJsonArray ItemsJson() const;
    QJsonArray ConsignmentsJson() const;

    // The order with this trade id (spaces ignored) and order id, not yet shipped.
    SimOrder* FindUnshipped(const QString& tradeId, const QString& orderId);

    QList<SimOrder> orders;
    QList<SimItem> items;
    QList<Consignment> consignments;
};
