#pragma once

#include "platform/ControlAction.h"
#include "store/PageContext.h"

namespace fahuo {

// The handlers of the maintenance pages, each bound to the controls it reads: card keys
// (page 5), count keys (page 6), the product editor and the outbox (page 3).
ControlActions CardKeyPageActions(PageContext& context);
ControlActions CountKeyPageActions(PageContext& context);
ControlActions ProductEditorActions(PageContext& context);
ControlActions OutboxPageActions(PageContext& context);

}  // namespace fahuo
