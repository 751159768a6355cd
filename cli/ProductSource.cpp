#include "cli/ProductSource.h"

#include "store/LocalStore.h"

namespace fahuo::cli {

bool ReadProductFromStore(const QString& storePath, const QString& title, ProductRecord* product,
                          QString* error) {
    LocalStore store;
    if (!store.OpenExisting(storePath)) {
        *error = QStringLiteral("%1 is not a usable store: %2").arg(storePath, store.LastError());
        return false;
    }
    const auto fields = store.ReadProduct(title);
    if (!fields) {
        *error = QStringLiteral("no product titled %1 in %2").arg(title, storePath);
        return false;
    }
    for (int k = 1; k <= fields->size(); ++k)
        product->setField(k, fields->at(k - 1));
    return true;
}

}  // namespace fahuo::cli
