#include "store/RemoteDb.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "text/Gbk.h"
#include "text/TextRules.h"

namespace fahuo {

namespace {

// An empty setting is passed as no value at all, which the client reads as its default.
QString OrNull(const QString& text) {
    return text.isEmpty() ? QString() : text;
}

}  // namespace

RemoteSettings RemoteSettings::Read(const Controls& controls) {
    RemoteSettings s;
    const qint64 port = TextToInteger(controls.Text(QStringLiteral("编辑框_数据库端口1")));
    s.port = port > 0 && port <= 65535 ? int(port) : 0;
    s.host = controls.Text(QStringLiteral("组合框ip"));
    s.user = controls.Text(QStringLiteral("编辑框_数据库用户名1"));
    s.password = controls.Text(QStringLiteral("编辑框_数据库密码1"));
    s.database = controls.Text(QStringLiteral("编辑框_数据库名1"));
    return s;
}

RemoteDb::RemoteDb(Controls& controls, Clock& clock, const QString& connectionName)
    : controls_(controls), clock_(clock), name_(connectionName) {}

RemoteDb::~RemoteDb() {
    CloseRemoteDb();
}

bool RemoteDb::ConnectOnce() {
    CloseRemoteDb();
    const RemoteSettings s = RemoteSettings::Read(controls_);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name_);
        db.setHostName(OrNull(s.host));
        db.setUserName(OrNull(s.user));
        db.setPassword(OrNull(s.password));
        db.setDatabaseName(OrNull(s.database));
        if (s.port > 0)
            db.setPort(s.port);
        // A server that does not answer must not hold the window for the client's default of
        // several minutes.
        db.setConnectOptions(QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=%1;"
                                            "MYSQL_OPT_READ_TIMEOUT=30;MYSQL_OPT_WRITE_TIMEOUT=30")
                                 .arg(kConnectTimeoutSeconds));
        open_ = db.open();
        if (!open_)
            lastError_ = db.lastError().text();
    }
    if (!open_)
        QSqlDatabase::removeDatabase(name_);
    return open_;
}

bool RemoteDb::OpenRemoteDb() {
    ConnectOnce();
    const qint64 start = clock_.UptimeMs();
    // Nothing is tried during this wait; the window stays live.
    while (!open_ && clock_.UptimeMs() - start <= 30000)
        clock_.Delay(1000);
    if (!open_) {
        ConnectOnce();
        clock_.Delay(3000);
    }
    return open_;
}

bool RemoteDb::ExecuteSql(const QString& statement, const QVariantList& values) {
    if (!open_)
        return false;
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    QSqlQuery query(db);
    if (!query.prepare(statement)) {
        lastError_ = query.lastError().text();
        return false;
    }
    for (const QVariant& value : values) {
        // The driver sends a null QString as NULL; a text value, even an empty one, is a text.
        if (value.typeId() == QMetaType::QString && value.toString().isNull())
            query.addBindValue(QStringLiteral(""));
        else
            query.addBindValue(value);
    }
    const bool ok = query.exec();
    if (!ok)
        lastError_ = query.lastError().text();
    return ok;
}

void RemoteDb::CloseRemoteDb() {
    if (!QSqlDatabase::contains(name_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
    open_ = false;
}

QString QuoteIdentifier(const QString& name) {
    if (name.isEmpty() || name.contains(QChar(0)))
        return {};
    QString quoted = name;
    quoted.replace(QLatin1Char('`'), QLatin1String("``"));
    return QLatin1Char('`') + quoted + QLatin1Char('`');
}

QByteArray ToUtf8(const QByteArray& gbk) {
    return DecodeGbk(gbk).toUtf8();
}

void TestRemoteConnection(Controls& controls, Clock& clock, UserDialogs& dialogs) {
    bool connected = false;
    {
        RemoteDb test(controls, clock, QStringLiteral("fahuo-remote-test"));
        connected = test.ConnectOnce();
        test.CloseRemoteDb();
    }
    dialogs.ShowMessage(connected ? QStringLiteral("测试连接数据库成功")
                                  : QStringLiteral("测试连接失败"));
}

}  // namespace fahuo
