#pragma once

#include <QAbstractItemModel>
#include <QString>
#include <memory>

#include "platform/Clock.h"
#include "platform/ControlAction.h"
#include "platform/Controls.h"
#include "platform/UserDialogs.h"
#include "store/LocalStore.h"
#include "store/StoreTableModel.h"
#include "store/StoreViews.h"

namespace fahuo {

// The local store as the window sees it. The window makes one StoreModule at start-up, calls
// Open(dataDir) (false: show "连接数据库失败！"), creates QTableViews with the object names
// 超级列表框_发货, 超级列表框_卡密, 超级列表框_直接计数 and 超级列表框_发件箱 over
// ViewModel(name) (widths and headers from ViewColumns(name)), and connects every entry of
// Actions() to the control it names: the maintenance buttons of the outbox, product, card-key
// and count-key pages, the row clicks of the four views and the method choice of 组合框_产品方式.
// The deliveries take keys through store() and refresh the key views through the Refresh calls.
class StoreModule {
  public:
    StoreModule(Controls& controls, UserDialogs& dialogs, Clock& clock);
    ~StoreModule();
    StoreModule(const StoreModule&) = delete;
    StoreModule& operator=(const StoreModule&) = delete;

    // Opens (or, when missing, creates) MDBfahuo.mdb in the data folder and fills the four
    // views. False when the file is not a usable store; it is then left untouched, the views
    // stay empty and every maintenance button reports its failure.
    bool Open(const QString& dataDir);

    LocalStore& store() { return store_; }
    // The model of a list view by its object name; nullptr for an unknown name.
    StoreTableModel* ViewModel(const QString& viewName);

    ControlActions Actions();

    void RefreshView(const QString& viewName);
    void RefreshCardKeyView() { RefreshView(view::kCardKeys); }
    void RefreshCountKeyView() { RefreshView(view::kCountKeys); }

  private:
    LocalStore store_;
    Controls& controls_;
    UserDialogs& dialogs_;
    Clock& clock_;
    QList<StoreTableModel*> models_;
    std::unique_ptr<struct PageContext> context_;
};

}  // namespace fahuo
