#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QThread>
#include <atomic>
#include <memory>

#include "platform/Controls.h"
#include "platform/UserDialogs.h"

namespace fahuo {

// Looks through the drives for the Qianniu command program WWcmd.exe on a thread of its own.
// Every WWcmd.exe met becomes WwcmdPath (the last one stays); the first whose path contains the
// text of 编辑框_wwcmd (letter case not counting; an empty text accepts any) ends the search and
// sets the caption of 分组框_wwcmd. When nothing was accepted the seller is told once at the end.
// Results reach the window's thread by queued calls; the window is only touched there.
class QianniuFinder : public QObject {
    Q_OBJECT
  public:
    QianniuFinder(Controls& controls, UserDialogs& dialogs, QObject* parent = nullptr);
    ~QianniuFinder() override;

    // Starts the walk over the roots; 编辑框_wwcmd is read now. Does nothing while one runs.
    void Start(const QStringList& roots, const QStringList& doNotEnter);
    // Asks the walk to end and waits for its thread; the walk checks at every directory entry.
    void Stop();
    bool IsRunning() const;

    QString WwcmdPath() const { return wwcmdPath_; }

  signals:
    // The walk has ended: found, searched everything, or stopped.
    void Finished();

  private:
    void Met(const QString& path);
    void Accepted();
    void Exhausted();

    Controls& controls_;
    UserDialogs& dialogs_;
    QString wwcmdPath_;
    QThread* thread_ = nullptr;
    std::shared_ptr<std::atomic_bool> stop_;
};

}  // namespace fahuo
