#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace fahuo {

// The keys of a bulk paste: every CR, LF, space or tab ends a key, the last key counts even
// without a line break after it, and what is left after removing all spaces (full-width ones
// included) is the key. Empty runs are dropped.
QStringList SplitPastedKeys(const QString& clipboard);

struct PastedMailbox {
    QString address;
    QString password;
};

// The mailboxes of a bulk paste, "address----password" with the address holding an "@"; the
// password ends at a space, a line break or the end of the text; several may share a line.
// All spaces are removed from both parts.
QList<PastedMailbox> ParsePastedMailboxes(const QString& clipboard);

}  // namespace fahuo
