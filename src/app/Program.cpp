#include "app/Program.h"

#include <QCoreApplication>
#include <QDir>
#include <QSysInfo>
#include <QThread>
#include <cstdlib>

#include "app/ConnectActions.h"
#include "app/MainWindow.h"
#include "app/SettingsFile.h"
#include "app/WidgetControls.h"
#include "app/WidgetDialogs.h"
#include "channels/ChannelsModule.h"
#include "engine/ChannelsPeers.h"
#include "engine/DeliveryEngine.h"
#include "engine/StoreKeys.h"
#include "engine/TaobaoOrders.h"
#include "platform/Clock.h"
#include "platform/SystemWindowSystem.h"
#include "platform/WebEngineBrowser.h"
#include "store/StoreModule.h"
#include "taobao/TaobaoModule.h"

namespace fahuo {
namespace {

void EndProgram() {
    // More than the main loop running means a pass of the monitor cycle (or another wait) is
    // under way; its loops would only start again, so the process ends here.
    if (QThread::currentThread()->loopLevel() > 1)
        std::_Exit(0);
    QCoreApplication::exit(0);
}

}  // namespace

ProgramOptions ParseProgramArguments(const QStringList& arguments) {
    ProgramOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        auto value = [&](const QString& flag, QString& into) {
            if (a == flag && i + 1 < arguments.size()) {
                into = arguments.at(++i);
                return true;
            }
            if (a.startsWith(flag + QLatin1Char('='))) {
                into = a.mid(flag.size() + 1);
                return true;
            }
            return false;
        };
        if (value(QStringLiteral("--data-dir"), options.dataDir))
            continue;
        value(QStringLiteral("--taobao-base"), options.taobaoBase);
    }
    return options;
}

Program::Program(ProgramOptions options, UserDialogs* dialogs)
    : options_(std::move(options)), endProgram_(EndProgram) {
    if (options_.dataDir.isEmpty())
        options_.dataDir = QCoreApplication::applicationDirPath();
    options_.dataDir = QDir(options_.dataDir).absolutePath();
    QDir().mkpath(options_.dataDir);
    if (!dialogs) {
        ownDialogs_ = std::make_unique<WidgetDialogs>();
        dialogs = ownDialogs_.get();
    }
    dialogs_ = dialogs;
    window_ = std::make_unique<MainWindow>(*dialogs_);
    if (ownDialogs_)
        ownDialogs_->SetParent(window_.get());
    controls_ = std::make_unique<WidgetControls>(window_.get());
    controls_->SetItems(QStringLiteral("组合框ip"), {});
    controls_->SetText(QStringLiteral("组合框ip"), QSysInfo::machineHostName());
    window_->SetShutdown([this]() { Shutdown(); });

    store_ = std::make_unique<StoreModule>(*controls_, *dialogs_, ProgramClock());
    windows_ = MakeSystemWindowSystem();
    channels_ = std::make_unique<ChannelsModule>(*controls_, *dialogs_, ProgramClock(), *windows_);

    const std::optional<TaobaoHosts> hosts =
        options_.taobaoBase.isEmpty() ? TaobaoHosts{} : TaobaoHosts::ForBase(options_.taobaoBase);
    taobao_ = std::make_unique<TaobaoModule>(*controls_, *dialogs_, ProgramClock(),
                                             hosts.value_or(TaobaoHosts{}));
    if (options_.withBrowser) {
        // Laid over page 1's controls; once the seller is logged in it hides and they show.
        auto* browser = new WebEngineBrowser;
        window_->SetBrowser(browser);
        taobao_->AttachBrowser(*browser);
    }

    orders_ = std::make_unique<peers::TaobaoOrders>(*taobao_);
    keys_ = std::make_unique<peers::StoreKeys>(*store_);
    mail_ = std::make_unique<peers::ChannelsMail>(*channels_);
    chat_ = std::make_unique<peers::ChannelsChat>(*channels_);
    engine_ = std::make_unique<DeliveryEngine>(DeliveryPeers{
        *controls_, ProgramClock(), *dialogs_, *orders_, *keys_, *mail_, *chat_, options_.dataDir});
    window_->SetSuccessCount([this]() { return engine_->deliveries().SuccessCount(); });
    // A session ending (log-off) also keeps the settings.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this]() {
        if (!ended_)
            SaveSettings(*controls_, SettingsPath());
    });
}

Program::~Program() = default;

QString Program::SettingsPath() const {
    return QDir(options_.dataDir).filePath(kSettingsFileName);
}

void Program::Connect(const ControlActions& actions) {
    unwired_ += ConnectActions(window_.get(), actions);
}

void Program::Start() {
    LoadSettings(*controls_, SettingsPath());
    taobao_->OpenLoginPage();
    // The views get their models first: a row click is connected through the view's selection.
    for (const QString& view : ViewNames()) {
        QList<int> widths;
        for (const ViewColumn& column : ViewColumns(view))
            widths.append(column.width);
        window_->SetViewModel(view, store_->ViewModel(view), widths);
    }
    Connect(store_->Actions());
    Connect(engine_->Actions());
    Connect(taobao_->Actions());
    Connect(channels_->Actions());
    window_->show();
    storeOpen_ = store_->Open(options_.dataDir);
    if (!storeOpen_) {
        // The window stays usable: empty lists, every store button reporting its failure.
        dialogs_->ShowMessage(QStringLiteral("连接数据库失败！"));
        return;
    }
    if (options_.findQianniu)
        channels_->StartQianniuFinder();
}

void Program::Shutdown() {
    if (ended_)
        return;
    ended_ = true;
    engine_->ProgramEnding();
    channels_->StopQianniuFinder();
    SaveSettings(*controls_, SettingsPath());
    if (endProgram_)
        endProgram_();
}

}  // namespace fahuo
