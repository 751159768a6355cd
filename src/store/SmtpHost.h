#pragma once

#include <QString>

namespace fahuo {

// The SMTP host of the QQ enterprise mail service, where every mailbox that is not at one of
// the public services is taken to be.
inline const QString kEnterpriseSmtpHost = QStringLiteral("smtp.exmail.qq.com");

// The SMTP server for a mailbox address, chosen by its mail service; never empty.
QString SmtpHostForAddress(const QString& address);

}  // namespace fahuo
