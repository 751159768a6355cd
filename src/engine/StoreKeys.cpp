#include "engine/StoreKeys.h"

#include "store/StoreModule.h"

namespace fahuo::peers {

QStringList StoreKeys::TakeCountKeys(const QString& title, const QString& nick, qint64 count) {
    return store_.store().TakeCountKeys(title, nick, count);
}

QStringList StoreKeys::TakeCardKeys(const QString& title, const QString& period,
                                    const QString& nick, qint64 count) {
    return store_.store().TakeCardKeys(title, period, nick, count);
}

void StoreKeys::RefreshCountKeyView() {
    store_.RefreshCountKeyView();
}

void StoreKeys::RefreshCardKeyView() {
    store_.RefreshCardKeyView();
}

}  // namespace fahuo::peers
