#pragma once

#include <QList>
#include <QString>

#include "Shop.h"

// The pages of the stand-in shop, in the markup the program's readers know.
QString LoginPage(const QString& error);
QString MyTaobaoPage(const QString& nick);
// The logistics order list of the orders given (the unshipped ones).
QString OrderListPage(const QList<SimOrder>& orders);
QString ConsignedPage(bool shipped);
// itemHost is written into the item links: "item.taobao.com" or "127.0.0.1:PORT".
QString OnSalePage(const QList<SimItem>& items, const QString& itemHost);
QString ItemPage(const SimItem* item);
