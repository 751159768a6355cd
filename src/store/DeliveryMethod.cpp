#include "store/DeliveryMethod.h"

#include "store/StoreSchema.h"

namespace fahuo {
namespace {

int Field(const char* column) {
    return ProductFieldOfColumn(QString::fromUtf8(column));
}

// The price and value fields of tiers 1 to 7.
QList<int> Tiers() {
    QList<int> fields{Field("最低价"), Field("最低价天")};
    for (int k = Field("价格二"); k <= Field("价格七天"); ++k)
        fields.append(k);
    return fields;
}

QList<int> With(QList<int> fields, std::initializer_list<const char*> more) {
    for (const char* column : more)
        fields.append(Field(column));
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
        {method::kDirectDownload,
         QStringLiteral(" 价格 --- 天或数"),
         QStringLiteral(" 价格 --- 天或数"),
         QString(),
         false,
         {},
         true},
        {method::kDirectCount, QStringLiteral(" 价格 ---  个数"), QStringLiteral(" 价格 ---  个数"),
         kCardSwitch, true, With(Tiers(), {"赠送数"}), false},
        {method::kCardKeyWithPeriod, kDays, kDaysRow, kCardSwitch, true, Tiers(), false},
        {method::kTimedAccount, kDays, kDaysRow, kNetSwitch, true,
         With(Tiers(), {"赠送时", "赠送天"}), false},
        {method::kCountedOrder, QStringLiteral(" 价格 --- 有效天数 -- 个数(仅钱1)"),
         QStringLiteral(" 价格 --- 有效天数 -- 个数(仅钱1)"), kNetSwitch, false,
         With(Tiers(), {"最低价数量", "赠送数", "赠送时", "赠送天"}), false},
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
