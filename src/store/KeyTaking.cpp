// Taking keys for an order: the part of the store the deliveries use.
#include <QSqlError>

#include "store/LocalStore.h"
#include "store/StoreSchema.h"

namespace fahuo {

QStringList LocalStore::TakeCountKeys(const QString& title, const QString& buyerNick, qint64 n) {
    return TakeKeys(table::kCountKeys, {QStringLiteral("产品")}, {title}, buyerNick, n);
}

QStringList LocalStore::TakeCardKeys(const QString& title, const QString& period,
                                     const QString& buyerNick, qint64 n) {
    return TakeKeys(table::kCardKeys, {QStringLiteral("产品"), QStringLiteral("卡期")},
                    {title, period}, buyerNick, n);
}

// One select of the first unused key and one update per key, as many as the order is owed,
// inside one transaction: an order gets all its keys marked or none.
QStringList LocalStore::TakeKeys(const QString& table, const QStringList& matchColumns,
                                 const QStringList& matchValues, const QString& buyerNick,
                                 qint64 n) {
    if (n <= 0)
        return {};
    StoreTransaction transaction(*this);
    if (!transaction.Active())
        return {};

    QStringList conditions;
    for (const QString& c : matchColumns)
        conditions.append(QuotedName(c) + QStringLiteral(" = ?"));
    conditions.append(QStringLiteral("\"使用\" = ?"));
    // A row without key text (only a hand-made store can hold one) cannot be marked by its key
    // and would be picked again and again.
    conditions.append(QStringLiteral("\"卡密\" <> ''"));
    QString error;
    QSqlQuery pick = Prepare(QStringLiteral("select \"卡密\" from %1 where %2 limit 1")
                                 .arg(QuotedName(table), conditions.join(QStringLiteral(" and "))),
                             &error);
    QSqlQuery mark =
        Prepare(QStringLiteral("update %1 set \"使用\" = ?, \"买家\" = ? where \"卡密\" = ?")
                    .arg(QuotedName(table)),
                &error);
    if (!error.isEmpty())
        return {};
    pick.setForwardOnly(true);

    QStringList taken;
    for (qint64 i = 0; i < n; ++i) {
        for (int k = 0; k < matchValues.size(); ++k)
            pick.bindValue(k, matchValues[k]);
        pick.bindValue(static_cast<int>(matchValues.size()), kUnused);
        if (!pick.exec()) {
            lastError_ = pick.lastError().text();
            return {};
        }
        if (!pick.next())
            break;  // none left
        const QString key = pick.value(0).toString();
        pick.finish();
        mark.bindValue(0, kUsed);
        mark.bindValue(1, buyerNick.isNull() ? QStringLiteral("") : buyerNick);
        mark.bindValue(2, key);
        if (!mark.exec()) {
            lastError_ = mark.lastError().text();
            return {};
        }
        taken.append(key);
    }
    pick.finish();
    if (!transaction.Commit())
        return {};
    return taken;
}

}  // namespace fahuo
