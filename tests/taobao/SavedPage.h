#pragma once

#include <QFile>
#include <QString>

#include "support/TestPaths.h"
#include "text/Gbk.h"

namespace fahuo::test {

// A Taobao page saved under tests/fixtures/taobao, decoded from GBK as the readers get it.
inline QString SavedPage(const QString& name) {
    QFile file(SourcePath(QStringLiteral("tests/fixtures/taobao/") + name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return DecodeGbk(file.readAll());
}

}  // namespace fahuo::test
