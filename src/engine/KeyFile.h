#pragma once

#include <QString>

namespace fahuo {

// File name of the key file of a large count-key delivery: order number + "-" + buyer nick +
// ".txt". Characters that cannot stand in a Windows file name (path separators among them)
// become "_", so a nick can never place the file outside the data folder.
QString KeyFileName(const QString& orderNumber, const QString& buyerNick);

// Writes the keys, creating or replacing the file. GBK bytes, or UTF-8 with a byte-order mark
// when a key holds a character GBK cannot encode (rather than turning it into "?").
bool WriteKeyFile(const QString& path, const QString& keysText);

}  // namespace fahuo
