// The two methods that grant a service on the seller's own web site through a row in its MySQL.
#include "engine/Deliveries.h"
#include "engine/PriceTiers.h"
#include "store/RemoteDb.h"
#include "text/DateTimeText.h"
#include "text/TextRules.h"

namespace fahuo {

namespace {

const QString kDeliveryConnection = QStringLiteral("fahuo-remote");

// `database`.`table`, or empty when either name cannot be an identifier.
QString TableName(const QString& database, const QString& table) {
    const QString db = QuoteIdentifier(Trim(database));
    const QString t = QuoteIdentifier(Trim(table));
    return db.isEmpty() || t.isEmpty() ? QString() : db + QLatin1Char('.') + t;
}

}  // namespace

void Deliveries::DeliverTimedAccount(const OrderRecord& order, const ProductRecord& product) {
    DeliverWebsiteGrant(order, product, &Deliveries::ProvisionTimedAccount);
}

void Deliveries::DeliverCountedOrder(const OrderRecord& order, const ProductRecord& product) {
    DeliverWebsiteGrant(order, product, &Deliveries::AddCountedOrder);
}

// Both web-site methods send what direct download sends, with the row written in between.
void Deliveries::DeliverWebsiteGrant(const OrderRecord& order, const ProductRecord& product,
                                     void (Deliveries::*writeRow)(const OrderRecord&,
                                                                  const ProductRecord&)) {
    const FilledTemplates filled = Fill(Values(order, product), product);
    if (Ticked(u"选择框_网验开关")) {
        (this->*writeRow)(order, product);
        p_.clock.Delay(2000);
    }
    SendAndCount(order, product, filled, AttachmentPath(product.field(ProductRecord::Attachment)),
                 5000);
}

void Deliveries::ProvisionTimedAccount(const OrderRecord& order, const ProductRecord& product) {
    RemoteDb remote(p_.controls, p_.clock, kDeliveryConnection);
    if (!remote.OpenRemoteDb())
        return;
    const TimedGrantResult grant = TimedGrant(order, product, p_.clock.Now());
    const QString table = TableName(Text(u"编辑框_计时网验数据库"), Text(u"编辑框_计时网验数据表"));
    if (!table.isEmpty()) {
        remote.ExecuteSql(
            QStringLiteral("INSERT INTO ") + table +
                QStringLiteral(" (`id`, `bianhao`, `wangwang`, `canpin`, `danjia`, `baotian`, "
                               "`baoyue`, `shuliang`, `zongjia`, `tiansu`, `from`, `to`, "
                               "`biaoji`, `daili`) VALUES (NULL, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                               "?, ?, ?)"),
            {order.orderNumber, order.buyerNick, order.itemTitle, product.tierPrice(1),
             product.tierPrice(2), product.tierPrice(3), NumberToText(order.quantity),
             NumberToText(TextToInteger(order.amount)), NumberToText(grant.days),
             FormatDateTime(grant.start), FormatDateTime(grant.end), Trim(order.buyerEmail),
             Trim(Text(u"编辑框_卖家旺旺"))});
    }
    remote.CloseRemoteDb();
}

void Deliveries::AddCountedOrder(const OrderRecord& order, const ProductRecord& product) {
    RemoteDb remote(p_.controls, p_.clock, kDeliveryConnection);
    if (!remote.OpenRemoteDb()) {
        p_.dialogs.ShowMessage(QStringLiteral(
            "订单添加失败，数据库连接失败，可能是IP地址不对！或者服务器上防火墙端口例外，"
            "服务器安全狗网络防火墙中加端口允许一切"));
        return;
    }
    const TimedGrantResult grant = TimedGrant(order, product, p_.clock.Now());
    const QString table = TableName(Text(u"编辑框_数据库名1"), Text(u"编辑框_数据库订单表"));
    if (!table.isEmpty()) {
        // The constant columns carry the same values in every row; the web site relies on them.
        remote.ExecuteSql(
            QStringLiteral("INSERT INTO ") + table +
                QStringLiteral(" (`aid`, `orderid`, `buynum`, `givenum`, `getnum`, `type`, "
                               "`starttime`, `endtime`, `incto`, `inctime`, `num`, `total_fee`, "
                               "`price`, `buyer_nick`, `num_iid`, `status`, `storetype`) VALUES "
                               "(NULL, ?, ?, ?, '0', ?, ?, ?, NULL, '0', '1', '1', '1', ?, "
                               "'20357168924  ', 'TRADE_FINISHED', ?)"),
            {order.orderNumber, grant.bought, grant.given, grant.kind, FormatDateTime(grant.start),
             FormatDateTime(grant.end), order.buyerNick, QStringLiteral("国内  ")});
    }
    remote.CloseRemoteDb();
}

}  // namespace fahuo
