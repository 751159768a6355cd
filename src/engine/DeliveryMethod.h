#pragma once

// The method texts and the editor's per-method table live with the store, which the product
// editor and the deliveries both reach.
#include "store/DeliveryMethod.h"
