#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "platform/ControlAction.h"

namespace fahuo {

class ChannelsModule;
class StoreModule;
class TaobaoModule;
class DeliveryEngine;
class WindowSystem;
class MainWindow;
class UserDialogs;
class OrderSource;
class KeyStore;
class MailChannel;
class ChatChannel;
class WidgetControls;
class WidgetDialogs;

struct ProgramOptions {
    QString dataDir;     // confi.ini, MDBfahuo.mdb, exports and key files; default: program folder
    QString taobaoBase;  // empty: the real Taobao hosts; else every Taobao page at this base
    bool withBrowser = true;
    bool findQianniu = true;  // tests leave the drives alone
};

// --data-dir DIR and --taobao-base URL; anything else is left to Qt. An empty data folder
// means the program's own folder.
ProgramOptions ParseProgramArguments(const QStringList& arguments);

// The one place where the window and the libraries meet: it builds the window, gives each
// module the window's controls and dialogs, connects every module's ControlActions by control
// name, runs the start-up in order and ends the program.
//
// Ending: the monitor cycle runs inside nested event loops (its waits), so ending "even in the
// middle of a pass" cannot wait for those loops to unwind. Shutdown tells the engine
// (DeliveryEngine::ProgramEnding, the cycle stops at its next step), stops the Qianniu finder,
// saves confi.ini and then leaves the main event loop; if nested loops are running at that
// moment (a pass is under way) the process ends right there, after the settings are safe.
class Program : public QObject {
    Q_OBJECT
  public:
    // `dialogs` replaces the real message boxes (tests answer them); null for the real ones.
    explicit Program(ProgramOptions options, UserDialogs* dialogs = nullptr);
    ~Program() override;

    // Start-up, in order: settings, browser to the login page, store (when it cannot be opened:
    // "连接数据库失败！" and nothing more starts), list views, drive list and Qianniu finder.
    void Start();
    // Stops the finder, saves the settings and ends the program (once).
    void Shutdown();

    MainWindow& Window() { return *window_; }
    DeliveryEngine& Engine() { return *engine_; }
    WidgetControls& Controls() { return *controls_; }
    StoreModule& Store() { return *store_; }
    // Whether start-up opened MDBfahuo.mdb.
    bool StoreOpen() const { return storeOpen_; }
    TaobaoModule& Taobao() { return *taobao_; }
    QString DataDir() const { return options_.dataDir; }
    QString SettingsPath() const;
    // Control names of actions that found no control; empty when everything is wired.
    const QStringList& Unwired() const { return unwired_; }

    // How the program finally ends; tests replace it so the test process survives.
    void SetEndProgram(std::function<void()> end) { endProgram_ = std::move(end); }

  private:
    void Connect(const ControlActions& actions);

    ProgramOptions options_;
    std::unique_ptr<WidgetDialogs> ownDialogs_;
    UserDialogs* dialogs_ = nullptr;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<WidgetControls> controls_;
    std::unique_ptr<WindowSystem> windows_;
    std::unique_ptr<StoreModule> store_;
    std::unique_ptr<ChannelsModule> channels_;
    std::unique_ptr<TaobaoModule> taobao_;
    // The engine's peers over the modules.
    std::unique_ptr<OrderSource> orders_;
    std::unique_ptr<KeyStore> keys_;
    std::unique_ptr<MailChannel> mail_;
    std::unique_ptr<ChatChannel> chat_;
    std::unique_ptr<DeliveryEngine> engine_;
    std::function<void()> endProgram_;
    QStringList unwired_;
    bool ended_ = false;
    bool storeOpen_ = false;
};

}  // namespace fahuo
