#include "Pages.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kIndent = QString(16, QLatin1Char(' '));

QString Tabs(int n) {
    return QString(n, QLatin1Char('\t'));
}

QString Html(const QString& title, const QString& charset, const QString& body) {
    return QStringLiteral(
               "<!DOCTYPE html>\r\n<html><head><meta charset=\"%1\"><title>%2</title>"
               "</head>\r\n<body>\r\n%3</body></html>\r\n")
        .arg(charset, title, body);
}

QString OrderBlock(const SimOrder& o) {
    const QString totalIndent = kIndent + Tabs(4) + QString(4, QLatin1Char(' '));
    QString b;
    b += QStringLiteral("<div class=\"order\">") + kCrLf;
    b += QStringLiteral("<span class=\"order-number\">订单编号：") + o.orderNumber +
         QStringLiteral("</span>") + kCrLf;
    b += QStringLiteral("<span class=\"ww ww:token\" ww:params=\"nick=") + o.buyerNick +
         QStringLiteral("&amp;encode=true\"></span>") + kCrLf;
    b += QStringLiteral("<a style=\"line-height:16px;\" target=\"_blank\" title=\"") + o.itemTitle +
         QStringLiteral("\">") + o.itemTitle.trimmed() + QStringLiteral("</a>") + kCrLf;
    b += QStringLiteral("<ul>") + kCrLf;
    b += QStringLiteral("<li class=\"total\">") + kCrLf + totalIndent + Tabs(1) + o.unitPrice +
         QStringLiteral(" × ") + QString::number(o.quantity) + kCrLf + totalIndent +
         QStringLiteral("</li>") + kCrLf;
    b += QStringLiteral("</ul>") + kCrLf;
    if (!o.buyerEmail.isEmpty() || !o.buyerMessage.isEmpty()) {
        b += QStringLiteral("<label>买家留言：</label>") + kCrLf + kIndent + Tabs(6) +
             QStringLiteral("<span >") + kCrLf + Tabs(10) + o.buyerEmail;
        if (!o.buyerMessage.isEmpty())
            b += QLatin1Char(' ') + o.buyerMessage;
        b += kCrLf + kIndent + Tabs(6) + QStringLiteral("</span>") + kCrLf;
    }
    b += QStringLiteral("<a href=\"/user/consign.htm?trade_id=") +
         QString(o.orderNumber).remove(QLatin1Char(' ')) + QStringLiteral("&amp;order_id=") +
         o.orderId + QStringLiteral("&amp;from=list\">发货</a>") + kCrLf;
    b += QStringLiteral("</div>") + kCrLf;
    return b;
}

}  // namespace

QString LoginPage(const QString& error) {
    QString body = QStringLiteral(
        "<h1>淘宝网 - 登录</h1>\r\n"
        "<form id=\"login-form\" method=\"post\" action=\"/member/login.jhtml\">\r\n"
        "<label for=\"TPL_username\">账户名</label> "
        "<input type=\"text\" id=\"TPL_username\" name=\"TPL_username\" placeholder=\"会员名\">\r\n"
        "<label for=\"TPL_password\">密码</label> "
        "<input type=\"password\" id=\"TPL_password\" name=\"TPL_password\">\r\n"
        "<button type=\"submit\" id=\"J_SubmitStatic\">登 录</button>\r\n"
        "</form>\r\n");
    if (!error.isEmpty())
        body += QStringLiteral("<p class=\"error\">") + error + QStringLiteral("</p>\r\n");
    return Html(QStringLiteral("淘宝网 - 登录"), QStringLiteral("utf-8"), body);
}

QString MyTaobaoPage(const QString& nick) {
    return Html(
        QStringLiteral("我的淘宝"), QStringLiteral("utf-8"),
        QStringLiteral("<h1>我的淘宝</h1>\r\n<p>您好，") + nick + QStringLiteral("</p>\r\n"));
}

QString OrderListPage(const QList<SimOrder>& orders) {
    QString body = QStringLiteral("<h1>物流管理 - 等待发货的订单</h1>\r\n");
    if (orders.isEmpty()) {
        body += QStringLiteral("<p class=\"no-result\">没有符合条件的物流订单</p>\r\n");
    } else {
        for (const SimOrder& o : orders)
            body += OrderBlock(o);
    }
    return Html(QStringLiteral("物流管理"), QStringLiteral("gbk"), body);
}

QString ConsignedPage(bool shipped) {
    return Html(QStringLiteral("发货"), QStringLiteral("gbk"),
                shipped ? QStringLiteral("<p>发货成功</p>\r\n")
                        : QStringLiteral("<p class=\"error\">该订单不能发货</p>\r\n"));
}

QString OnSalePage(const QList<SimItem>& items, const QString& itemHost) {
    QString body = QStringLiteral("<h1>出售中的宝贝</h1>\r\n");
    if (items.isEmpty()) {
        body += QStringLiteral("<p>找不到出售中的宝贝</p>\r\n");
    } else {
        body += QStringLiteral("<table>\r\n");
        for (const SimItem& i : items) {
            body += QStringLiteral(
                        "<tr><td><a href=\"http://%1/item.htm?id=%2\" target=_blank "
                        "title=\"%3\">%3</a></td>\r\n")
                        .arg(itemHost, i.id, i.title);
            body += QStringLiteral(
                        "<td><span class=\"price-now\" data-price=\"%1\">%1</span>"
                        "</td></tr>\r\n")
                        .arg(i.price);
        }
        body += QStringLiteral("</table>\r\n");
    }
    return Html(QStringLiteral("出售中的宝贝"), QStringLiteral("gbk"), body);
}

QString ItemPage(const SimItem* item) {
    if (!item)
        return Html(QStringLiteral("宝贝不存在"), QStringLiteral("gbk"),
                    QStringLiteral("<p>宝贝不存在</p>\r\n"));
    return Html(item->title, QStringLiteral("gbk"),
                QStringLiteral("<h1>%1</h1>\r\n<p>%2</p>\r\n").arg(item->title, item->price));
}
