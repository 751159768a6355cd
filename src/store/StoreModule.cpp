#include "store/StoreModule.h"

#include "store/MaintenancePages.h"
#include "store/PageContext.h"

namespace fahuo {

StoreModule::StoreModule(Controls& controls, UserDialogs& dialogs, Clock& clock)
    : controls_(controls), dialogs_(dialogs), clock_(clock) {
    for (const QString& name : ViewNames())
        models_.append(new StoreTableModel(store_, name));
    context_ = std::make_unique<PageContext>(PageContext{
        store_, controls_, dialogs_, clock_, [this](const QString& v) { RefreshView(v); }});
}

StoreModule::~StoreModule() {
    // The models read through the store's connection; they go first.
    qDeleteAll(models_);
}

bool StoreModule::Open(const QString& dataDir) {
    const bool ok = store_.Open(dataDir);
    for (StoreTableModel* m : models_)
        m->Refresh();
    return ok;
}

StoreTableModel* StoreModule::ViewModel(const QString& viewName) {
    for (StoreTableModel* m : models_) {
        if (m->viewName() == viewName)
            return m;
    }
    return nullptr;
}

void StoreModule::RefreshView(const QString& viewName) {
    if (StoreTableModel* m = ViewModel(viewName))
        m->Refresh();
}

ControlActions StoreModule::Actions() {
    return OutboxPageActions(*context_) + ProductEditorActions(*context_) +
           CardKeyPageActions(*context_) + CountKeyPageActions(*context_);
}

}  // namespace fahuo
