#include "store/StoreCondition.h"

#include "store/StoreSchema.h"
#include "text/TextRules.h"

namespace fahuo {

const QStringList& AllowedOperators() {
    static const QStringList ops = {
        QStringLiteral("="),  QStringLiteral("<>"),   QStringLiteral("!="),
        QStringLiteral("<"),  QStringLiteral(">"),    QStringLiteral("<="),
        QStringLiteral(">="), QStringLiteral("like"), QStringLiteral("not like"),
    };
    return ops;
}

std::optional<StoreCondition> AdvancedCondition(const QString& table, const QString& field,
                                                const QString& op, const QString& value) {
    const QString column = Trim(field);
    const QString oper = Trim(op).simplified().toLower();
    const QString text = Trim(value);
    if (column.isEmpty() || !HasColumn(table, column) || !AllowedOperators().contains(oper))
        return std::nullopt;
    // id is the one number column: the seller's "id>5" compares numbers, not texts.
    if (column == QLatin1String("id")) {
        bool ok = false;
        const qlonglong id = text.toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        return StoreCondition{column, oper, id};
    }
    return StoreCondition{column, oper, text};
}

}  // namespace fahuo
