#pragma once

#include <QString>
#include <functional>

#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/UserDialogs.h"
#include "store/LocalStore.h"

namespace fahuo {

// What the maintenance handlers work with: the store, the window's controls and dialogs, the
// clock, and the refresh of a list view by its name.
struct PageContext {
    LocalStore& store;
    Controls& controls;
    UserDialogs& dialogs;
    Clock& clock;
    std::function<void(const QString& viewName)> refresh;
};

}  // namespace fahuo
