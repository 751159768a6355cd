#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

namespace fahuo::cli {

// Options of the form "--name value" and the remaining positional arguments.
class CliArgs {
  public:
    // Fails (and names the fault in error) on an option without its value.
    bool Parse(const QStringList& args, const QStringList& flagsWithoutValue, QString* error);
    bool Has(const QString& option) const { return options_.contains(option); }
    QString Value(const QString& option, const QString& fallback = {}) const {
        return options_.value(option, fallback);
    }
    const QStringList& Positional() const { return positional_; }
    QStringList Unknown(const QStringList& known) const;

  private:
    QHash<QString, QString> options_;
    QStringList positional_;
};

struct CliCommand {
    QString name;
    QString usage;                                    // one line, shown by "fahuo-cli help"
    std::function<int(const QStringList& args)> run;  // exit status
};

// Called from a static initialiser in the command's own file.
bool RegisterCommand(CliCommand command);

// A fault in the arguments or the input: one line on stderr, exit status 2.
int Fail(const QString& message);
// Writes text as UTF-8 to stdout.
void Print(const QString& text);

// Folder of data files: --data-dir DIR, else the program's own folder.
QString DataDir(const CliArgs& args);

}  // namespace fahuo::cli
