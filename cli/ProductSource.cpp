#include "cli/ProductSource.h"

namespace fahuo::cli {

// Replaced by the store's reader once the local store library exists.
bool ReadProductFromStore(const QString&, const QString&, ProductRecord*, QString* error) {
    *error = QStringLiteral("reading products from a store is not available in this build");
    return false;
}

}  // namespace fahuo::cli
