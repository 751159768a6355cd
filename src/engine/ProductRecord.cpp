#include "engine/ProductRecord.h"

#include "store/StoreSchema.h"

namespace fahuo {

// The store's schema is the one list of the product table's columns.
const QStringList& ProductRecord::ColumnNames() {
    return ProductColumnNames();
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
