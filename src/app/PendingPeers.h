#pragma once

#include "engine/EngineSeams.h"

namespace fahuo {

// Stand-ins for the engine's peers whose modules are not part of this build yet: no keys. The cycle
// then runs its passes and delivers nothing.
class NoKeys : public KeyStore {
  public:
    QStringList TakeCountKeys(const QString&, const QString&, qint64) override { return {}; }
    QStringList TakeCardKeys(const QString&, const QString&, const QString&, qint64) override {
        return {};
    }
    void RefreshCountKeyView() override {}
    void RefreshCardKeyView() override {}
};

}  // namespace fahuo
