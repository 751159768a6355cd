#include "cli/SavedPage.h"

#include <QFile>

#include "cli/CliCommand.h"
#include "text/Gbk.h"

namespace fahuo::cli {

bool ReadSavedPage(const QStringList& argv, const QStringList& knownOptions, CliArgs* args,
                   QString* page, QString* error) {
    if (!args->Parse(argv, {}, error))
        return false;
    const QStringList unknown = args->Unknown(knownOptions);
    if (!unknown.isEmpty()) {
        *error = QStringLiteral("unknown option %1").arg(unknown.first());
        return false;
    }
    if (args->Positional().size() != 1) {
        *error = QStringLiteral("give exactly one saved page FILE");
        return false;
    }
    QFile file(args->Positional().first());
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    *page = DecodeGbk(file.readAll());
    return true;
}

}  // namespace fahuo::cli
