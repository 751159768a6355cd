#pragma once

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTimer>

#include "support/TestPaths.h"
#include "taobao/HttpRequest.h"
#include "taobao/TaobaoHosts.h"

namespace fahuo::test {

// A taobao-sim process of the build, on a free port of 127.0.0.1, with its admin API. Link
// Qt6::Network; the test target must DEPEND on taobao-sim.
class TaobaoSim {
  public:
    TaobaoSim() = default;
    TaobaoSim(const TaobaoSim&) = delete;
    TaobaoSim& operator=(const TaobaoSim&) = delete;
    ~TaobaoSim() { Stop(); }

    // Starts the sim and waits for its address; false (with the reason in error()) on failure.
    bool Start(const QStringList& extraArguments = {}) {
        process_.setProgram(BinDir() + QStringLiteral("/taobao-sim"));
        process_.setArguments(QStringList{QStringLiteral("--port"), QStringLiteral("0")} +
                              extraArguments);
        process_.start();
        if (!process_.waitForStarted(10000)) {
            error_ = process_.errorString();
            return false;
        }
        QByteArray line;
        while (!line.contains('\n') && process_.waitForReadyRead(10000))
            line += process_.readAllStandardOutput();
        const QByteArray prefix = "listening on ";
        if (!line.startsWith(prefix)) {
            error_ = QString::fromUtf8(line + process_.readAllStandardError());
            return false;
        }
        base_ = QString::fromLatin1(line.mid(prefix.size()).trimmed());
        return true;
    }

    void Stop() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

    QString error() const { return error_; }
    QString Base() const { return base_; }  // "http://127.0.0.1:PORT"
    TaobaoHosts Hosts() const { return *TaobaoHosts::ForBase(base_); }

    QJsonArray Orders() { return Call("GET", QStringLiteral("/sim/orders")).array(); }
    QJsonArray Items() { return Call("GET", QStringLiteral("/sim/items")).array(); }
    QJsonArray Consignments() { return Call("GET", QStringLiteral("/sim/consignments")).array(); }
    void AddOrders(const QJsonArray& orders) {
        Call("POST", QStringLiteral("/sim/orders"), orders);
    }
    void AddItems(const QJsonArray& items) { Call("POST", QStringLiteral("/sim/items"), items); }
    // Back to the shop of --shop (or empty), or to the shop document given.
    void Reset(const QJsonObject& shop = {}) {
        Call("POST", QStringLiteral("/sim/reset"), shop.isEmpty() ? QJsonValue() : shop);
    }
    // Forgets every login the sim handed out.
    void LogOutEveryone() { Call("POST", QStringLiteral("/sim/logout")); }

    // Posts the login form through the program's own client, as a seller's browser would, so
    // its cookie jar holds the login cookies. True when the sim took the login.
    static bool LogIn(HttpClient& http, const TaobaoHosts& hosts,
                      const QString& user = QStringLiteral("demo"),
                      const QString& password = QStringLiteral("demo")) {
        HttpRequestArgs args;
        args.url = hosts.LoginPageUrl();
        args.method = QStringLiteral("POST");
        args.postData = "TPL_username=" + QUrl::toPercentEncoding(user) +
                        "&TPL_password=" + QUrl::toPercentEncoding(password);
        args.timeoutSeconds = 10;
        return http.Request(args).contains("我的淘宝");
    }

  private:
    QJsonDocument Call(const QByteArray& verb, const QString& path,
                       const QJsonValue& body = QJsonValue()) {
        QNetworkRequest request(QUrl(base_ + path));
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
        QByteArray data;
        if (body.isArray())
            data = QJsonDocument(body.toArray()).toJson();
        else if (body.isObject())
            data = QJsonDocument(body.toObject()).toJson();
        QNetworkReply* reply = verb == "GET" ? admin_.get(request) : admin_.post(request, data);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        if (!reply->isFinished())
            loop.exec();
        const QJsonDocument doc = QJsonDocument::fromJson(reply->readAll());
        reply->deleteLater();
        return doc;
    }

    QProcess process_;
    QNetworkAccessManager admin_;
    QString base_;
    QString error_;
};

}  // namespace fahuo::test
