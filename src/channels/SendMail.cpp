#include "channels/SendMail.h"

#include <QFile>

#include "channels/MailSession.h"
#include "text/TextRules.h"

namespace fahuo {
namespace {

int ToInt(const QString& text) {
    const qint64 value = TextToInteger(text);
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : int(value);
}

QByteArray ReadWhole(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

}  // namespace

bool SendMail(SmtpClient& client, const QString& address, const QString& password,
              const QString& subject, const QString& body, const QString& attachmentName,
              const QString& attachmentPath, const QString& recipient, const QString& server,
              const QString& port, const QString& replyWait, QString* error) {
    MailSession session(client);
    if (!session.Connect(address, password, server, ToInt(port), ToInt(replyWait))) {
        if (error)
            *error = client.LastError();
        return false;
    }
    QString failure;
    const bool sent = session.Send(subject, body, recipient, ReadWhole(attachmentPath), true,
                                   attachmentName, &failure);
    if (error)
        *error = failure;
    return sent;
}

}  // namespace fahuo
