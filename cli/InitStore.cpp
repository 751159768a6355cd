// fahuo-cli init-store: puts an empty MDBfahuo.mdb in the data folder when none is there, so a
// first start of the window just works. An existing file is never touched.
#include <QDir>
#include <QFileInfo>

#include "cli/CliCommand.h"
#include "store/LocalStore.h"

namespace fahuo::cli {
namespace {

int RunInitStore(const QStringList& argv) {
    CliArgs args;
    QString error;
    if (!args.Parse(argv, {}, &error))
        return Fail(error);
    if (const QStringList unknown = args.Unknown({QStringLiteral("--data-dir")});
        !unknown.isEmpty())
        return Fail(QStringLiteral("unknown option %1").arg(unknown.first()));
    if (!args.Positional().isEmpty())
        return Fail(QStringLiteral("unexpected argument %1").arg(args.Positional().first()));
    const QString path = QDir(DataDir(args)).absoluteFilePath(LocalStore::FileName());
    if (QFileInfo::exists(path)) {
        Print(QStringLiteral("%1 is there already; left as it is\n").arg(path));
        return 0;
    }
    if (!CreateEmptyStore(path, &error))
        return Fail(QStringLiteral("cannot create %1: %2").arg(path, error));
    Print(QStringLiteral("created the empty store %1\n").arg(path));
    return 0;
}

const bool registered =
    RegisterCommand({QStringLiteral("init-store"),
                     QStringLiteral("init-store [--data-dir DIR]   create an empty MDBfahuo.mdb "
                                    "when none is there"),
                     RunInitStore});

}  // namespace
}  // namespace fahuo::cli
