#pragma once

#include <QString>

#include "channels/SmtpClient.h"

namespace fahuo {

// One mail through one sending mailbox. Port and reply wait are texts read as integers (no
// digits gives 0: port 0 fails, a wait of 0 counts as 1 ms). The attachment file is read whole;
// one that cannot be read goes as zero bytes under its name, an empty name means no attachment.
// True when the server took the mail; `error` (optional) says what went wrong otherwise.
bool SendMail(SmtpClient& client, const QString& address, const QString& password,
              const QString& subject, const QString& body, const QString& attachmentName,
              const QString& attachmentPath, const QString& recipient, const QString& server,
              const QString& port, const QString& replyWait, QString* error = nullptr);

}  // namespace fahuo
