#pragma once

#include <QString>
#include <QVariant>
#include <optional>

namespace fahuo {

// A where-clause as column, operator and a value that is always bound, never written into the
// statement text.
struct StoreCondition {
    QString column;
    QString op;  // one of AllowedOperators(), lower case
    QVariant value;

    static StoreCondition Equals(const QString& column, const QVariant& value) {
        return {column, QStringLiteral("="), value};
    }
};

// The comparisons the seller may type into the advanced boxes of the key pages.
const QStringList& AllowedOperators();

// The seller's free condition made safe: the field must be a column of the table, the operator
// one of the allowed ones (case and inner blanks ignored), and for id the value a whole number.
// The three texts are trimmed here. nullopt when the condition is refused.
std::optional<StoreCondition> AdvancedCondition(const QString& table, const QString& field,
                                                const QString& op, const QString& value);

}  // namespace fahuo
