#include "channels/MailSession.h"

namespace fahuo {

bool MailSession::Connect(const QString& address, const QString& password, const QString& server,
                          int port, int replyWaitMs) {
    address_ = address;
    return client_.Connect(server, port, address, password, replyWaitMs);
}

bool MailSession::Send(const QString& subject, const QString& body, const QString& recipient,
                       const QByteArray& attachmentData, bool attach, const QString& attachmentName,
                       QString* error) {
    if (error)
        error->clear();
    if (attach)
        client_.AddAttachment(attachmentData, attachmentName);
    const QString failure = client_.Send(subject, body, recipient, address_, address_);
    client_.ClearAttachments();
    if (error)
        *error = failure;
    return failure.isEmpty();
}

}  // namespace fahuo
