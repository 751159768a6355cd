#include "SimServer.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrlQuery>
#include <QUuid>

#include "Pages.h"
#include "text/Gbk.h"

namespace {

using Method = QHttpServerRequest::Method;
using Status = QHttpServerResponder::StatusCode;

const QByteArray kLoginCookie = "cookie2";  // HttpOnly, as Taobao's own session cookie
const QByteArray kConsignmentBody =
    "source=&callUrl=&action=user%2Fconsign_action&event_submit_do_dummy=anything&_fmw.n._0.g="
    "%C4%FA%BF%C9%D2%D4%D4%DA%B4%CB%CA%E4%C8%EB%B1%B8%CD%FC%D0%C5%CF%A2%A3%A8%BD%F6%C2%F4%BC%D2"
    "%D7%D4%BC%BA%BF%C9%BC%FB%A3%A9%A1%A3";

QHttpServerResponse GbkPage(const QString& html, Status status = Status::Ok) {
    return QHttpServerResponse("text/html; charset=gbk", fahuo::EncodeGbk(html), status);
}

QHttpServerResponse Utf8Page(const QString& html, Status status = Status::Ok) {
    return QHttpServerResponse("text/html; charset=utf-8", html.toUtf8(), status);
}

QHttpServerResponse Redirect(const QByteArray& location) {
    QHttpServerResponse r("text/html", QByteArray(), Status::Found);
    r.setHeader("Location", location);
    return r;
}

QHttpServerResponse JsonError(const QString& message) {
    return QHttpServerResponse(QJsonObject{{"error", message}}, Status::BadRequest);
}

// The value of one cookie of the request's Cookie headers.
QByteArray CookieValue(const QHttpServerRequest& request, const QByteArray& name) {
    for (const auto& [header, value] : request.headers()) {
        if (header.compare("cookie", Qt::CaseInsensitive) != 0)
            continue;
        for (QByteArray pair : value.split(';')) {
            pair = pair.trimmed();
            const qsizetype eq = pair.indexOf('=');
            if (eq > 0 && pair.left(eq) == name)
                return pair.mid(eq + 1);
        }
    }
    return {};
}

QString FormValue(const QByteArray& body, const QString& key) {
    QByteArray b = body;
    b.replace('+', ' ');
    return QUrlQuery(QString::fromLatin1(b)).queryItemValue(key, QUrl::FullyDecoded);
}

}  // namespace

SimServer::SimServer(SimOptions options) : options_(std::move(options)) {
    QString ignored;
    shop_.Load(options_.shop, &ignored);  // checked by main before
    AddShopPages();
    AddAdminApi();
}

quint16 SimServer::Listen(quint16 port, QString* error) {
    port_ = server_.listen(QHostAddress::LocalHost, port);
    if (port_ == 0 && error)
        *error = QStringLiteral("cannot listen on 127.0.0.1:%1").arg(port);
    return port_;
}

QString SimServer::ItemHost() const {
    return options_.itemHost.isEmpty() ? QStringLiteral("127.0.0.1:%1").arg(port_)
                                       : options_.itemHost;
}

bool SimServer::LoggedIn(const QHttpServerRequest& request) const {
    const QByteArray token = CookieValue(request, kLoginCookie);
    return !token.isEmpty() && sessions_.contains(QString::fromLatin1(token));
}

void SimServer::AddShopPages() {
    server_.route("/", [] { return Redirect("/member/login.jhtml"); });
    server_.route("/member/login.jhtml", Method::Get, [] { return Utf8Page(LoginPage({})); });
    server_.route("/member/login.jhtml", Method::Post, [this](const QHttpServerRequest& r) {
        const QString user = FormValue(r.body(), QStringLiteral("TPL_username"));
        const QString password = FormValue(r.body(), QStringLiteral("TPL_password"));
        if (user != options_.user || password != options_.password)
            return Utf8Page(LoginPage(QStringLiteral("您输入的密码和账户名不匹配")));
        const QString token = QUuid::createUuid().toString(QUuid::Id128);
        sessions_.insert(token);
        QHttpServerResponse response = Redirect("/my_taobao.htm");
        response.addHeader("Set-Cookie",
                           kLoginCookie + '=' + token.toLatin1() + "; Path=/; HttpOnly");
        response.addHeader("Set-Cookie", "_nk_=" + QUrl::toPercentEncoding(user) + "; Path=/");
        response.addHeader(
            "Set-Cookie",
            "_tb_token_=" + QUuid::createUuid().toString(QUuid::Id128).toLatin1() + "; Path=/");
        return response;
    });
    server_.route("/my_taobao.htm", [this](const QHttpServerRequest& r) {
        if (!LoggedIn(r))
            return Redirect("/member/login.jhtml");
        return Utf8Page(MyTaobaoPage(QUrl::fromPercentEncoding(CookieValue(r, "_nk_"))));
    });
    server_.route("/user/order_list_new.htm", [this](const QHttpServerRequest& r) {
        if (!LoggedIn(r))
            return Redirect("/member/login.jhtml?redirectURL=%2Fuser%2Forder_list_new.htm");
        QList<SimOrder> waiting;
        for (const SimOrder& o : shop_.orders) {
            if (!o.shipped)
                waiting.append(o);
        }
        return GbkPage(OrderListPage(waiting));
    });
    server_.route("/user/consign_dummy.htm", Method::Post, [this](const QHttpServerRequest& r) {
        Consignment c;
        c.query = r.url().query(QUrl::FullyEncoded);
        const QUrlQuery query(r.url());
        c.tradeId = query.queryItemValue(QStringLiteral("trade_id"), QUrl::FullyDecoded);
        c.orderId = query.queryItemValue(QStringLiteral("order_id"), QUrl::FullyDecoded);
        c.body = r.body();
        c.loggedIn = LoggedIn(r);
        c.formAccepted = c.body == kConsignmentBody;
        SimOrder* order =
            c.loggedIn && c.formAccepted ? shop_.FindUnshipped(c.tradeId, c.orderId) : nullptr;
        if (order) {
            order->shipped = true;
            c.shipped = true;
        }
        shop_.consignments.append(c);
        if (!c.loggedIn)
            return Redirect("/member/login.jhtml");
        return GbkPage(ConsignedPage(c.shipped));
    });
    server_.route("/auction/merchandise/auction_list.htm", [this](const QHttpServerRequest& r) {
        if (!LoggedIn(r))
            return Redirect("/member/login.jhtml");
        return GbkPage(OnSalePage(shop_.items, ItemHost()));
    });
    server_.route("/item.htm", [this](const QHttpServerRequest& r) {
        const QString id = r.query().queryItemValue(QStringLiteral("id"));
        const SimItem* found = nullptr;
        for (const SimItem& i : shop_.items) {
            if (i.id == id)
                found = &i;
        }
        return GbkPage(ItemPage(found), found ? Status::Ok : Status::NotFound);
    });
}

void SimServer::AddAdminApi() {
    auto parse = [](const QHttpServerRequest& r, QJsonValue* value, QString* error) {
        QJsonParseError e;
        const QJsonDocument doc = QJsonDocument::fromJson(r.body(), &e);
        if (doc.isNull()) {
            *error = QStringLiteral("body is not JSON: ") + e.errorString();
            return false;
        }
        *value = doc.isArray() ? QJsonValue(doc.array()) : QJsonValue(doc.object());
        return true;
    };
    server_.route("/sim/orders", Method::Get,
                  [this] { return QHttpServerResponse(shop_.OrdersJson()); });
    server_.route("/sim/orders", Method::Post, [this, parse](const QHttpServerRequest& r) {
        QJsonValue v;
        QString error;
        if (!parse(r, &v, &error) || !shop_.AddOrders(v, &error))
            return JsonError(error);
        return QHttpServerResponse(shop_.OrdersJson());
    });
    server_.route("/sim/items", Method::Get,
                  [this] { return QHttpServerResponse(shop_.ItemsJson()); });
    server_.route("/sim/items", Method::Post, [this, parse](const QHttpServerRequest& r) {
        QJsonValue v;
        QString error;
        if (!parse(r, &v, &error) || !shop_.AddItems(v, &error))
            return JsonError(error);
        return QHttpServerResponse(shop_.ItemsJson());
    });
    server_.route("/sim/consignments", Method::Get,
                  [this] { return QHttpServerResponse(shop_.ConsignmentsJson()); });
    // Back to the shop the sim started with, or to the shop document posted.
    server_.route("/sim/reset", Method::Post, [this, parse](const QHttpServerRequest& r) {
        QJsonObject shop = options_.shop;
        if (!r.body().trimmed().isEmpty()) {
            QJsonValue v;
            QString error;
            if (!parse(r, &v, &error))
                return JsonError(error);
            shop = v.toObject();
        }
        QString error;
        if (!shop_.Load(shop, &error))
            return JsonError(error);
        return QHttpServerResponse(
            QJsonObject{{"orders", shop_.OrdersJson()}, {"items", shop_.ItemsJson()}});
    });
    server_.route("/sim/logout", Method::Post, [this] {
        sessions_.clear();
        return QHttpServerResponse(QJsonObject{{"sessions", 0}});
    });
}
