#pragma once

#include <QString>

#include "engine/ProductRecord.h"

namespace fahuo::cli {

// Reads the product with this exact title from a local store file.
bool ReadProductFromStore(const QString& storePath, const QString& title, ProductRecord* product,
                          QString* error);

}  // namespace fahuo::cli
