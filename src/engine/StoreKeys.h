#pragma once

#include "engine/EngineSeams.h"

namespace fahuo {
class StoreModule;
}  // namespace fahuo

// The engine's peers over the program's modules, for the window and the end-to-end test.
namespace fahuo::peers {

// Keys from the program's local store; the key views refreshed through the store module.
class StoreKeys : public KeyStore {
  public:
    explicit StoreKeys(StoreModule& store) : store_(store) {}
    QStringList TakeCountKeys(const QString& title, const QString& nick, qint64 count) override;
    QStringList TakeCardKeys(const QString& title, const QString& period, const QString& nick,
                             qint64 count) override;
    void RefreshCountKeyView() override;
    void RefreshCardKeyView() override;

  private:
    StoreModule& store_;
};

}  // namespace fahuo::peers
