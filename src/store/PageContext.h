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

    // After a change: on success the view is refreshed and the success text shown, otherwise
    // only the failure text.
    void Report(const StoreResult& result, const QString& viewName, const QString& success,
                const QString& failure);
    // Deletes the row selected in the view, found by its id; with no row selected it fails as
    // a statement the store refuses.
    StoreResult DeleteSelected(const QString& table, const QString& viewName);
};

}  // namespace fahuo
