// fahuo-cli demo-shop: fills a new data folder with the demo shop (products, card keys, count
// keys, a sending mailbox on the local SMTP server, a few settings), so the window can be tried
// against taobao-sim without touching a seller's store.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/CliCommand.h"
#include "store/LocalStore.h"
#include "store/StoreSchema.h"
#include "text/Gbk.h"

namespace fahuo::cli {
namespace {

bool InsertRows(LocalStore& store, const QString& table, const QJsonArray& rows,
                const QString& smtpPort, QString* error) {
    for (const QJsonValue& value : rows) {
        const QJsonObject row = value.toObject();
        QStringList columns, values;
        for (auto it = row.begin(); it != row.end(); ++it) {
            columns.append(it.key());
            values.append(it.value().toString().replace(QStringLiteral("{smtp-port}"), smtpPort));
        }
        if (const StoreResult r = store.Insert(table, columns, values); !r) {
            *error = table + QStringLiteral(": ") + r.error;
            return false;
        }
    }
    return true;
}

QList<QStringList> CardKeyRows(const QJsonArray& groups) {
    QList<QStringList> rows;
    for (const QJsonValue& g : groups) {
        const QJsonObject group = g.toObject();
        for (const QJsonValue& key : group.value(QStringLiteral("卡密")).toArray())
            rows.append({group.value(QStringLiteral("产品")).toString(), key.toString(),
                         group.value(QStringLiteral("卡期")).toString(), kUnused});
    }
    return rows;
}

// Count keys are made from a pattern: {n} becomes 001, 002, ...
QList<QStringList> CountKeyRows(const QJsonArray& groups) {
    QList<QStringList> rows;
    for (const QJsonValue& g : groups) {
        const QJsonObject group = g.toObject();
        const int count = group.value(QStringLiteral("count")).toInt();
        for (int n = 1; n <= count; ++n) {
            QString key = group.value(QStringLiteral("pattern")).toString();
            key.replace(QStringLiteral("{n}"),
                        QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')));
            rows.append({group.value(QStringLiteral("产品")).toString(), key, kUnused});
        }
    }
    return rows;
}

// confi.ini as the window reads it: GBK, section 编辑框, one key per edit box.
bool WriteSettings(const QString& path, const QJsonObject& settings) {
    QString text = QStringLiteral("[编辑框]\r\n");
    for (auto it = settings.begin(); it != settings.end(); ++it)
        text += it.key() + QLatin1Char('=') + it.value().toString() + QStringLiteral("\r\n");
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(EncodeGbk(text)) >= 0;
}

int RunDemoShop(const QStringList& argv) {
    CliArgs args;
    QString error;
    if (!args.Parse(argv, {}, &error))
        return Fail(error);
    if (const QStringList unknown =
            args.Unknown({QStringLiteral("--data-dir"), QStringLiteral("--store"),
                          QStringLiteral("--smtp-port")});
        !unknown.isEmpty())
        return Fail(QStringLiteral("unknown option %1").arg(unknown.first()));
    if (!args.Has(QStringLiteral("--data-dir")) || !args.Has(QStringLiteral("--store")))
        return Fail(QStringLiteral("demo-shop needs --data-dir DIR and --store FILE"));
    const QDir dir(args.Value(QStringLiteral("--data-dir")));
    // Only ever a fresh folder: a seller's store is never filled with demo rows.
    if (QFileInfo::exists(dir.filePath(LocalStore::FileName())))
        return Fail(QStringLiteral("%1 already holds a store; the demo shop needs a new folder")
                        .arg(dir.absolutePath()));
    QFile file(args.Value(QStringLiteral("--store")));
    if (!file.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("cannot read %1").arg(file.fileName()));
    QJsonParseError parseError;
    const QJsonObject demo = QJsonDocument::fromJson(file.readAll(), &parseError).object();
    if (demo.isEmpty())
        return Fail(file.fileName() + QStringLiteral(": ") + parseError.errorString());

    if (!QDir().mkpath(dir.absolutePath()))
        return Fail(QStringLiteral("cannot create %1").arg(dir.absolutePath()));
    LocalStore store;
    if (!store.Open(dir.absolutePath()))
        return Fail(QStringLiteral("cannot open the store: %1").arg(store.LastError()));
    const QString smtpPort = args.Value(QStringLiteral("--smtp-port"), QStringLiteral("25"));
    if (!InsertRows(store, table::kProducts, demo.value(QStringLiteral("products")).toArray(),
                    smtpPort, &error) ||
        !InsertRows(store, table::kOutbox, demo.value(QStringLiteral("outbox")).toArray(), smtpPort,
                    &error))
        return Fail(error);
    const QStringList cardColumns{QStringLiteral("产品"), QStringLiteral("卡密"),
                                  QStringLiteral("卡期"), QStringLiteral("使用")};
    const QStringList countColumns{QStringLiteral("产品"), QStringLiteral("卡密"),
                                   QStringLiteral("使用")};
    const QList<QStringList> cards = CardKeyRows(demo.value(QStringLiteral("cardKeys")).toArray());
    const QList<QStringList> counts =
        CountKeyRows(demo.value(QStringLiteral("countKeys")).toArray());
    if (store.InsertEach(table::kCardKeys, cardColumns, cards) != cards.size() ||
        store.InsertEach(table::kCountKeys, countColumns, counts) != counts.size())
        return Fail(QStringLiteral("the demo keys did not all go in: %1").arg(store.LastError()));
    if (!WriteSettings(dir.filePath(QStringLiteral("confi.ini")),
                       demo.value(QStringLiteral("settings")).toObject()))
        return Fail(QStringLiteral("cannot write confi.ini in %1").arg(dir.absolutePath()));
    Print(QStringLiteral("demo shop in %1: %2 products, %3 card keys, %4 count keys\n")
              .arg(dir.absolutePath())
              .arg(demo.value(QStringLiteral("products")).toArray().size())
              .arg(cards.size())
              .arg(counts.size()));
    return 0;
}

const bool registered = RegisterCommand(
    {QStringLiteral("demo-shop"),
     QStringLiteral(
         "demo-shop --data-dir NEWDIR --store scripts/demo-shop/store.json [--smtp-port P]   "
         "fill a new data folder with the demo shop"),
     RunDemoShop});

}  // namespace
}  // namespace fahuo::cli
