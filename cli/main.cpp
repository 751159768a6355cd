#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

#include "cli/CliCommand.h"

namespace fahuo::cli {
namespace {

QList<CliCommand>& Commands() {
    static QList<CliCommand> commands;
    return commands;
}

}  // namespace

bool RegisterCommand(CliCommand command) {
    Commands().append(std::move(command));
    return true;
}

bool CliArgs::Parse(const QStringList& args, const QStringList& flagsWithoutValue, QString* error) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a.startsWith(QLatin1String("--"))) {
            const qsizetype eq = a.indexOf(QLatin1Char('='));
            if (eq > 0) {
                options_.insert(a.left(eq), a.mid(eq + 1));
            } else if (flagsWithoutValue.contains(a)) {
                options_.insert(a, QStringLiteral("1"));
            } else if (i + 1 < args.size()) {
                options_.insert(a, args[++i]);
            } else {
                *error = QStringLiteral("option %1 needs a value").arg(a);
                return false;
            }
        } else {
            positional_.append(a);
        }
    }
    return true;
}

QStringList CliArgs::Unknown(const QStringList& known) const {
    QStringList unknown;
    for (auto it = options_.cbegin(); it != options_.cend(); ++it) {
        if (!known.contains(it.key()))
            unknown.append(it.key());
    }
    return unknown;
}

int Fail(const QString& message) {
    std::fprintf(stderr, "fahuo-cli: %s\n", message.simplified().toUtf8().constData());
    return 2;
}

void Print(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

QString DataDir(const CliArgs& args) {
    if (args.Has(QStringLiteral("--data-dir")))
        return QDir(args.Value(QStringLiteral("--data-dir"))).absolutePath();
    return QCoreApplication::applicationDirPath();
}

}  // namespace fahuo::cli

int main(int argc, char** argv) {
    using namespace fahuo::cli;
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    auto& commands = Commands();
    std::sort(commands.begin(), commands.end(),
              [](const CliCommand& a, const CliCommand& b) { return a.name < b.name; });
    if (args.isEmpty() || args.first() == QLatin1String("help") ||
        args.first() == QLatin1String("--help")) {
        QString text = QStringLiteral("usage: fahuo-cli COMMAND [options]\n");
        for (const CliCommand& c : commands)
            text += QStringLiteral("  %1\n").arg(c.usage);
        Print(text);
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    for (const CliCommand& c : commands) {
        if (c.name == name)
            return c.run(args);
    }
    return Fail(QStringLiteral("unknown command %1 (see fahuo-cli help)").arg(name));
}
