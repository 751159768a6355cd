#pragma once

#include <QString>

namespace fahuo::test {

// Folder of the built programs (fahuo, fahuo-cli, taobao-sim).
QString BinDir();
// Root of the source tree, for fixtures: SourcePath("tests/fixtures/x.htm").
QString SourcePath(const QString& relative);

}  // namespace fahuo::test
