#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantList>

#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/UserDialogs.h"

namespace fahuo {

// The connection settings of the seller's MySQL server, as typed in the window.
struct RemoteSettings {
    QString host;      // 组合框ip; empty means the local machine
    QString user;      // 编辑框_数据库用户名1
    QString password;  // 编辑框_数据库密码1
    QString database;  // 编辑框_数据库名1, selected when connecting
    int port = 0;      // 编辑框_数据库端口1; 0 lets the client use its default port

    static RemoteSettings Read(const Controls& controls);
};

// One connection to the seller's MySQL server (Qt's QMYSQL driver, utf8mb4), living from an
// open to a close within one operation. Each user gets its own connection name, so the test
// button can never end the connection a delivery is writing on.
class RemoteDb {
  public:
    static constexpr int kConnectTimeoutSeconds = 5;

    RemoteDb(Controls& controls, Clock& clock, const QString& connectionName);
    ~RemoteDb();
    RemoteDb(const RemoteDb&) = delete;
    RemoteDb& operator=(const RemoteDb&) = delete;

    // Connects; a refused connect is tried once more after a little over 30 s of servicing
    // waits, followed by 3 s whatever the outcome. True when connected.
    bool OpenRemoteDb();
    // One connect with the current settings, no retry and no wait.
    bool ConnectOnce();
    // Runs one prepared statement; each "?" takes the next value (an empty text stays an empty
    // text; only an invalid QVariant is NULL). True when the server took it.
    bool ExecuteSql(const QString& statement, const QVariantList& values);
    void CloseRemoteDb();

    bool IsOpen() const { return open_; }
    // The driver's text of the last failure, for diagnostics (Chinese server texts come garbled).
    QString LastError() const { return lastError_; }

  private:
    Controls& controls_;
    Clock& clock_;
    QString name_;
    bool open_ = false;
    QString lastError_;
};

// A database or table name from the settings as a back-quoted identifier (inner back quotes
// doubled); empty when the name cannot be one (empty, or holding a NUL).
QString QuoteIdentifier(const QString& name);

// GBK bytes to UTF-8 bytes. Inside the program texts are already Unicode and QMYSQL sends
// them as UTF-8; this is for bytes that arrive in code page 936.
QByteArray ToUtf8(const QByteArray& gbk);

// 按钮2: one connect on a connection of its own, closed at once; the outcome in a message box.
void TestRemoteConnection(Controls& controls, Clock& clock, UserDialogs& dialogs);

}  // namespace fahuo
