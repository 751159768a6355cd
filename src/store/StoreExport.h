#pragma once

#include <QString>
#include <QStringList>

#include "store/PageContext.h"

namespace fahuo {

// Writes the lines, each followed by CR LF, as GBK bytes to the file stamp + baseName in the
// data folder, replacing one of that name, and then tells the seller where it went. The lines
// were read in full before, so the window events let through meanwhile cannot change them.
// An export that cannot be written shows nothing; returns whether it was written.
bool WriteExport(PageContext& context, const QStringList& lines, const QString& baseName);

}  // namespace fahuo
