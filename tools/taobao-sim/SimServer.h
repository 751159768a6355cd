#pragma once

#include <QHttpServer>
#include <QJsonObject>
#include <QSet>
#include <QString>

#include "Shop.h"

struct SimOptions {
    QString user = QStringLiteral("demo");
    QString password = QStringLiteral("demo");
    QString itemHost;  // empty: the sim's own address
    QJsonObject shop;  // what --shop gave, restored by a reset
};

// The stand-in for the Taobao pages the program uses, plus an admin API under /sim/.
class SimServer {
  public:
    explicit SimServer(SimOptions options);
    // Listens on 127.0.0.1; returns the port, 0 on failure.
    quint16 Listen(quint16 port, QString* error);

  private:
    void AddShopPages();
    void AddAdminApi();
    bool LoggedIn(const QHttpServerRequest& request) const;
    QString ItemHost() const;

    SimOptions options_;
    QHttpServer server_;
    Shop shop_;
    QSet<QString> sessions_;  // values of the HttpOnly login cookie handed out
    quint16 port_ = 0;
};
