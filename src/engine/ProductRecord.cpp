#include "engine/ProductRecord.h"

namespace fahuo {

const QStringList& ProductRecord::ColumnNames() {
    static const QStringList names = {
        QStringLiteral("产品"),     QStringLiteral("方式"),     QStringLiteral("最低价"),
        QStringLiteral("最低价数量"), QStringLiteral("最低价天"), QStringLiteral("赠送数"),
        QStringLiteral("赠送时"),   QStringLiteral("赠送天"),   QStringLiteral("价格二"),
        QStringLiteral("价格二天"), QStringLiteral("价格三"),   QStringLiteral("价格三天"),
        QStringLiteral("价格四"),   QStringLiteral("价格四天"), QStringLiteral("价格五"),
        QStringLiteral("价格五天"), QStringLiteral("价格六"),   QStringLiteral("价格六天"),
        QStringLiteral("价格七"),   QStringLiteral("价格七天"), QStringLiteral("下载"),
        QStringLiteral("发件箱"),   QStringLiteral("收件箱"),   QStringLiteral("邮件标题"),
        QStringLiteral("邮件内容"), QStringLiteral("邮件附件"),
    };
    return names;
}

int ProductRecord::FieldOfColumn(const QString& column) {
    return static_cast<int>(ColumnNames().indexOf(column)) + 1;
}

QString ProductRecord::field(int k) const {
    if (k < 1 || k > kFieldCount)
        return {};
    return fields_[k - 1];
}

void ProductRecord::setField(int k, const QString& text) {
    if (k >= 1 && k <= kFieldCount)
        fields_[k - 1] = text;
}

QString ProductRecord::tierPrice(int tier) const {
    if (tier == 1)
        return field(LowestPrice);
    if (tier < 2 || tier > 7)
        return {};
    return field(Price2 + 2 * (tier - 2));
}

QString ProductRecord::tierValue(int tier) const {
    if (tier == 1)
        return field(LowestValue);
    if (tier < 2 || tier > 7)
        return {};
    return field(Price2 + 2 * (tier - 2) + 1);
}

}  // namespace fahuo
