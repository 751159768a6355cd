#pragma once

#include <QString>
#include <QStringList>

namespace fahuo::cli {

class CliArgs;

// The one saved page a page command reads: its GBK bytes decoded. Fails (naming the fault)
// on unknown options, a missing or extra file argument, or a file that cannot be read.
bool ReadSavedPage(const QStringList& argv, const QStringList& knownOptions, CliArgs* args,
                   QString* page, QString* error);

}  // namespace fahuo::cli
