#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

#include "support/TestPaths.h"

namespace fahuo::test {

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs fahuo-cli with the arguments and waits for it.
inline CliResult RunCli(const QStringList& args, int timeoutMs = 60000) {
    QProcess p;
    p.start(BinDir() + QStringLiteral("/fahuo-cli"), args);
    CliResult r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

}  // namespace fahuo::test
