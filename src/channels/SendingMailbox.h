#pragma once

#include <QRandomGenerator>
#include <QString>

#include "platform/Controls.h"

namespace fahuo::channels {

// One sending mailbox: a row of the outbox view. (Its own namespace: the engine's seams have a
// record of the same name and fields, and one file may see both.)
struct SendingMailbox {
    QString address;  // SMTP user, envelope sender, From address and sender name
    QString password;
    QString server;
    QString port;  // as typed; read as an integer when connecting
};

// A random row of 超级列表框_发件箱 (any row serves any product); an empty view gives four empty
// texts, so the connect fails on the empty server.
SendingMailbox PickSendingMailbox(const Controls& controls,
                                  QRandomGenerator& random = *QRandomGenerator::global());

}  // namespace fahuo::channels
