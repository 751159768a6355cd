#pragma once

#include <QByteArray>
#include <QString>

#include "channels/SmtpClient.h"

namespace fahuo {

// One mail's use of the program's mail client: connect with a mailbox, send one mail from it.
class MailSession {
  public:
    explicit MailSession(SmtpClient& client) : client_(client) {}

    // Connects and logs in as the mailbox; the address is kept as the sender of Send.
    bool Connect(const QString& address, const QString& password, const QString& server, int port,
                 int replyWaitMs);
    // Sends one mail from the kept address (also its sender name) to the recipient; with `attach`
    // the data goes as one attachment under the name (none when the name is empty). The client's
    // attachments are cleared afterwards, whatever the outcome.
    bool Send(const QString& subject, const QString& body, const QString& recipient,
              const QByteArray& attachmentData, bool attach, const QString& attachmentName,
              QString* error);

  private:
    SmtpClient& client_;
    QString address_;
};

}  // namespace fahuo
