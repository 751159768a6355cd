#include "store/PageContext.h"

namespace fahuo {

void PageContext::Report(const StoreResult& result, const QString& viewName, const QString& success,
                         const QString& failure) {
    if (result) {
        refresh(viewName);
        dialogs.ShowMessage(success);
    } else {
        dialogs.ShowMessage(failure);
    }
}

StoreResult PageContext::DeleteSelected(const QString& table, const QString& viewName) {
    bool ok = false;
    const qlonglong id = controls.SelectedCell(viewName, 0).toLongLong(&ok);
    if (!ok)
        return {false, 0, QStringLiteral("no row is selected")};
    return store.Delete(table, StoreCondition::Equals(QStringLiteral("id"), id));
}

}  // namespace fahuo
