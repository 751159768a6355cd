#include "engine/DeliveryMethod.h"

#include "engine/ProductRecord.h"

namespace fahuo {
namespace {

QList<int> Tiers() {
    QList<int> fields{ProductRecord::LowestPrice, ProductRecord::LowestValue};
    for (int k = ProductRecord::Price2; k <= ProductRecord::Price2 + 11; ++k)
        fields.append(k);
    return fields;
}

QList<int> With(QList<int> fields, std::initializer_list<int> more) {
    for (int k : more)
        fields.append(k);
    return fields;
}

}  // namespace

const QStringList& DeliveryMethods() {
    static const QStringList methods = {method::kDirectDownload,    method::kDirectCount,
                                        method::kCardKeyWithPeriod, method::kTimedAccount,
                                        method::kCountedOrder,      method::kMultiSpecCardKeys};
    return methods;
}

const QList<MethodFields>& MethodFieldTable() {
    static const QString kCardSwitch = QStringLiteral("选择框_发卡开关");
    static const QString kNetSwitch = QStringLiteral("选择框_网验开关");
    static const QString kDays = QStringLiteral(" 价格 --- 天数");
    static const QString kDaysRow = QStringLiteral(" 价格 ---  天数");
    static const QList<MethodFields> table = {
        {method::kDirectDownload, QStringLiteral(" 价格 --- 天或数"),
         QStringLiteral(" 价格 --- 天或数"), QString(), false, {}, true},
        {method::kDirectCount, QStringLiteral(" 价格 ---  个数"), QStringLiteral(" 价格 ---  个数"),
         kCardSwitch, true, With(Tiers(), {ProductRecord::GiftCount}), false},
        {method::kCardKeyWithPeriod, kDays, kDaysRow, kCardSwitch, true, Tiers(), false},
        {method::kTimedAccount, kDays, kDaysRow, kNetSwitch, true,
         With(Tiers(), {ProductRecord::GiftHours, ProductRecord::GiftDays}), false},
        {method::kCountedOrder, QStringLiteral(" 价格 --- 有效天数 -- 个数(仅钱1)"),
         QStringLiteral(" 价格 --- 有效天数 -- 个数(仅钱1)"), kNetSwitch, false,
         With(Tiers(), {ProductRecord::LowestCount, ProductRecord::GiftCount,
                        ProductRecord::GiftHours, ProductRecord::GiftDays}),
         false},
        {method::kMultiSpecCardKeys, kDays, kDaysRow, kCardSwitch, true, Tiers(), false},
    };
    return table;
}

const MethodFields* MethodFieldsFor(const QString& method) {
    for (const MethodFields& row : MethodFieldTable()) {
        if (row.method == method)
            return &row;
    }
    return nullptr;
}

}  // namespace fahuo
