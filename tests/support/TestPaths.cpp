#include "support/TestPaths.h"

#include <QDir>

namespace fahuo::test {

QString BinDir() {
    return qEnvironmentVariable("FAHUO_BIN_DIR");
}

QString SourcePath(const QString& relative) {
    return QDir(qEnvironmentVariable("FAHUO_SOURCE_DIR")).filePath(relative);
}

}  // namespace fahuo::test
