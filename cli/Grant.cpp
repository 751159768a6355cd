// fahuo-cli grant: what an order earns under a product, so a seller can check the tiers
// before going live.
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/CliCommand.h"
#include "cli/ProductSource.h"
#include "engine/PriceTiers.h"
#include "store/DeliveryMethod.h"
#include "text/DateTimeText.h"
#include "text/TextRules.h"

namespace fahuo::cli {
namespace {

bool ReadProductFile(const QString& path, ProductRecord* product, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!doc.isObject()) {
        *error = QStringLiteral("%1 is not a JSON object: %2").arg(path, parseError.errorString());
        return false;
    }
    const QJsonObject object = doc.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const int field = ProductRecord::FieldOfColumn(it.key());
        if (field == 0) {
            *error = QStringLiteral("%1: unknown product column %2").arg(path, it.key());
            return false;
        }
        const QJsonValue v = it.value();
        if (v.isString())
            product->setField(field, v.toString());
        else if (v.isDouble())
            product->setField(field, NumberToText(v.toDouble()));
        else if (!v.isNull()) {
            *error = QStringLiteral("%1: column %2 must be a text").arg(path, it.key());
            return false;
        }
    }
    return true;
}

QJsonObject GrantFor(const OrderRecord& order, const ProductRecord& product, const QDateTime& now) {
    QJsonObject out;
    const QString m = product.method();
    out.insert(QStringLiteral("method"), m);
    if (m == method::kDirectCount) {
        out.insert(QStringLiteral("keys"), KeyCountForOrder(order, product));
    } else if (m == method::kCardKeyWithPeriod) {
        out.insert(QStringLiteral("period"), CardPeriodByAmount(order, product));
    } else if (m == method::kMultiSpecCardKeys) {
        out.insert(QStringLiteral("period"), CardPeriodByUnitPrice(order, product));
        out.insert(QStringLiteral("keys"), qMax<qint64>(order.quantity, 0));
    } else if (m == method::kTimedAccount || m == method::kCountedOrder) {
        const TimedGrantResult g = TimedGrant(order, product, now);
        out.insert(QStringLiteral("days"), g.days);
        out.insert(QStringLiteral("start"), FormatDateTime(g.start));
        out.insert(QStringLiteral("end"), FormatDateTime(g.end));
        if (m == method::kCountedOrder) {
            out.insert(QStringLiteral("bought"), g.bought);
            out.insert(QStringLiteral("given"), g.given);
            out.insert(QStringLiteral("kind"), g.kind);
        }
    }
    return out;
}

int RunGrant(const QStringList& argv) {
    CliArgs args;
    QString error;
    if (!args.Parse(argv, {}, &error))
        return Fail(error);
    const QStringList known = {QStringLiteral("--product"),  QStringLiteral("--store"),
                               QStringLiteral("--title"),    QStringLiteral("--unit-price"),
                               QStringLiteral("--quantity"), QStringLiteral("--now"),
                               QStringLiteral("--data-dir")};
    if (const QStringList unknown = args.Unknown(known); !unknown.isEmpty())
        return Fail(QStringLiteral("unknown option %1").arg(unknown.first()));
    if (!args.Positional().isEmpty())
        return Fail(QStringLiteral("unexpected argument %1").arg(args.Positional().first()));

    ProductRecord product;
    if (args.Has(QStringLiteral("--product"))) {
        if (!ReadProductFile(args.Value(QStringLiteral("--product")), &product, &error))
            return Fail(error);
    } else if (args.Has(QStringLiteral("--store")) || args.Has(QStringLiteral("--title"))) {
        if (!args.Has(QStringLiteral("--store")) || !args.Has(QStringLiteral("--title")))
            return Fail(QStringLiteral("--store and --title go together"));
        if (!ReadProductFromStore(args.Value(QStringLiteral("--store")),
                                  args.Value(QStringLiteral("--title")), &product, &error))
            return Fail(error);
    } else {
        return Fail(QStringLiteral("give the product: --product FILE or --store DB --title T"));
    }

    if (!args.Has(QStringLiteral("--unit-price")))
        return Fail(QStringLiteral("--unit-price is missing"));
    OrderRecord order;
    order.itemTitle = product.title();
    order.unitPrice = args.Value(QStringLiteral("--unit-price"));
    bool ok = true;
    order.quantity = args.Value(QStringLiteral("--quantity"), QStringLiteral("1")).toLongLong(&ok);
    if (!ok)
        return Fail(QStringLiteral("--quantity must be a whole number"));
    order.amount = AmountOf(order.unitPrice, order.quantity);

    QDateTime now = QDateTime::currentDateTime();
    if (args.Has(QStringLiteral("--now"))) {
        now = ParseDateTime(args.Value(QStringLiteral("--now")));
        if (!now.isValid())
            return Fail(QStringLiteral("--now must read YYYY-MM-DD HH:MM:SS"));
    }

    const QJsonObject out = GrantFor(order, product, now);
    Print(QString::fromUtf8(QJsonDocument(out).toJson(QJsonDocument::Indented)));
    return 0;
}

const bool registered = RegisterCommand(
    {QStringLiteral("grant"),
     QStringLiteral("grant (--product FILE | --store MDBfahuo.mdb --title T) --unit-price P "
                    "[--quantity N] [--now \"YYYY-MM-DD HH:MM:SS\"]"),
     RunGrant});

}  // namespace
}  // namespace fahuo::cli
