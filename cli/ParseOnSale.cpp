// fahuo-cli parse-onsale: what the on-sale reader sees in a saved auction_list.htm page.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/CliCommand.h"
#include "cli/SavedPage.h"
#include "taobao/OnSaleReader.h"
#include "taobao/TaobaoHosts.h"

namespace fahuo::cli {
namespace {

int RunParseOnSale(const QStringList& argv) {
    CliArgs args;
    QString page;
    QString error;
    const QString baseOption = QStringLiteral("--taobao-base");
    if (!ReadSavedPage(argv, {baseOption}, &args, &page, &error))
        return Fail(error);
    TaobaoHosts hosts;
    if (args.Has(baseOption)) {
        const std::optional<TaobaoHosts> given = TaobaoHosts::ForBase(args.Value(baseOption));
        if (!given)
            return Fail(QStringLiteral("--taobao-base %1 is not an http or https address")
                            .arg(args.Value(baseOption)));
        hosts = *given;
    }
    QJsonArray out;
    for (const OnSaleItem& item : ParseOnSaleItems(page, hosts.itemHost))
        out.append(QJsonObject{{"title", item.title}, {"id", item.id}, {"price", item.price}});
    Print(QString::fromUtf8(QJsonDocument(out).toJson()));
    return 0;
}

const bool registered = RegisterCommand(
    {QStringLiteral("parse-onsale"),
     QStringLiteral("parse-onsale FILE [--taobao-base URL]  (a saved auction_list.htm page, GBK)"),
     RunParseOnSale});

}  // namespace
}  // namespace fahuo::cli
