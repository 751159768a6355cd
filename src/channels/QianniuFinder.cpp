#include "channels/QianniuFinder.h"

#include "channels/SearchFiles.h"
#include "text/TextRules.h"

namespace fahuo {
namespace {

const QString kCommandName = QStringLiteral("WWcmd.exe");
const QString kFoundCaption = QStringLiteral("本电脑已经安装千牛，保持打开！");
const QString kNotFoundMessage = QStringLiteral("电脑中根本没有安装千牛，下载按默认路径安装吧！");

}  // namespace

QianniuFinder::QianniuFinder(Controls& controls, UserDialogs& dialogs, QObject* parent)
    : QObject(parent), controls_(controls), dialogs_(dialogs) {}

QianniuFinder::~QianniuFinder() {
    Stop();
}

bool QianniuFinder::IsRunning() const {
    return thread_ && thread_->isRunning();
}

void QianniuFinder::Start(const QStringList& roots, const QStringList& doNotEnter) {
    if (thread_)
        return;
    const QString accept = Trim(controls_.Text(QStringLiteral("编辑框_wwcmd")));
    stop_ = std::make_shared<std::atomic_bool>(false);
    // The walk holds only copies and the shared flag; what it finds comes back as queued calls.
    thread_ = QThread::create([this, roots, doNotEnter, accept, stop = stop_] {
        SearchOptions options;
        options.stop = stop.get();
        options.doNotEnter = doNotEnter;
        bool accepted = false;
        for (const QString& root : roots) {
            SearchFiles(
                root, kCommandName,
                [&](const QString& folder, const QString& file) {
                    const QString path = folder + file;
                    QMetaObject::invokeMethod(
                        this, [this, path] { Met(path); }, Qt::QueuedConnection);
                    if (!path.contains(accept, Qt::CaseInsensitive))
                        return SearchNext::GoOn;
                    accepted = true;
                    return SearchNext::Stop;
                },
                options);
            if (accepted || stop->load())
                break;
        }
        if (stop->load())
            return;
        QMetaObject::invokeMethod(
            this, [this, accepted] { accepted ? Accepted() : Exhausted(); }, Qt::QueuedConnection);
    });
    connect(thread_, &QThread::finished, this, [this] {
        // Queued results posted before the end are delivered first, so Finished comes last.
        QMetaObject::invokeMethod(this, &QianniuFinder::Finished, Qt::QueuedConnection);
    });
    thread_->start(QThread::LowPriority);
}

void QianniuFinder::Stop() {
    if (!thread_)
        return;
    stop_->store(true);
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
}

void QianniuFinder::Met(const QString& path) {
    wwcmdPath_ = path;
}

void QianniuFinder::Accepted() {
    controls_.SetText(QStringLiteral("分组框_wwcmd"), kFoundCaption);
}

void QianniuFinder::Exhausted() {
    dialogs_.ShowMessage(kNotFoundMessage);
}

}  // namespace fahuo
