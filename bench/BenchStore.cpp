// bench_store: how fast the local store pastes, opens, exports and hands out keys, each figure
// printed beside the sqlite3 command-line shell doing the same work on the same file layout.
// Usage: bench_store [--dir FOLDER] (default: a temporary folder).
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "platform/EventLoopClock.h"
#include "store/LocalStore.h"
#include "store/StoreModule.h"

using namespace fahuo;

namespace {

// The window's controls as plain maps; the views are read through the store's models.
class BenchControls : public Controls {
  public:
    explicit BenchControls(StoreModule** module) : module_(module) {}
    QString Text(const QString& name) const override { return texts_.value(name); }
    void SetText(const QString& name, const QString& text) override { texts_[name] = text; }
    bool Ticked(const QString&) const override { return false; }
    void SetTicked(const QString&, bool) override {}
    void SetEnabled(const QString&, bool) override {}
    bool Enabled(const QString&) const override { return true; }
    QStringList Items(const QString&) const override { return {}; }
    void SetItems(const QString&, const QStringList&) override {}
    int RowCount(const QString& view) const override {
        return (*module_)->ViewModel(view)->rowCount();
    }
    QString Cell(const QString& view, int row, int column) const override {
        return (*module_)->ViewModel(view)->index(row, column).data().toString();
    }
    int SelectedRow(const QString&) const override { return -1; }

  private:
    StoreModule** module_;
    QHash<QString, QString> texts_;
};

class BenchDialogs : public UserDialogs {
  public:
    void ShowMessage(const QString& text) override { last = text; }
    bool AskYesNo(const QString&, const QString&) override { return true; }
    QString ClipboardText() const override { return clipboard; }
    void SetClipboardText(const QString& text) override { clipboard = text; }
    void OpenInBrowser(const QString&) override {}
    QString last;
    QString clipboard;
};

// Runs the sqlite3 shell on a store file with a script on its input; seconds, or -1.
double ShellSeconds(const QString& store, const QString& scriptPath, const QString& outPath) {
    QProcess shell;
    shell.setStandardInputFile(scriptPath);
    shell.setStandardOutputFile(outPath);
    QElapsedTimer t;
    t.start();
    shell.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), store});
    if (!shell.waitForFinished(600000) || shell.exitCode() != 0) {
        std::fprintf(stderr, "sqlite3 failed: %s\n", shell.readAllStandardError().constData());
        return -1;
    }
    return t.nsecsElapsed() / 1e9;
}

bool WriteText(const QString& path, const QString& text) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) >= 0;
}

QString FreshStore(const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    QFile::remove(path);
    QString error;
    if (!CreateEmptyStore(path, &error)) {
        std::fprintf(stderr, "cannot create %s: %s\n", qPrintable(path), qPrintable(error));
        std::exit(1);
    }
    return path;
}

// Fills a store through the shell: n keys, product A for odd numbers and B for even ones.
void FillWithShell(const QDir& dir, const QString& store, const QString& table, int n) {
    const QString script = dir.filePath(QStringLiteral("fill.sql"));
    const QString period = table == QStringLiteral("卡密表") ? QStringLiteral("'30', ") : QString();
    const QString periodColumn = period.isEmpty() ? QString() : QStringLiteral("卡期, ");
    WriteText(script, QStringLiteral(
                          "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c "
                          "WHERE x < %1) INSERT INTO %2(产品, 卡密, %3使用) SELECT "
                          "CASE WHEN x %% 2 THEN 'A' ELSE 'B' END, printf('K%%07d', x), %4'未用' "
                          "FROM c;\n")
                          .arg(n)
                          .arg(table, periodColumn, period)
                          .replace(QStringLiteral("%%"), QStringLiteral("%")));
    ShellSeconds(store, script, dir.filePath(QStringLiteral("fill.out")));
}

void Report(const char* what, double seconds, const QString& baseline) {
    std::printf("%-44s %10.1f ms   %s\n", what, seconds * 1000, qPrintable(baseline));
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    const QStringList args = app.arguments();
    const int dirAt = static_cast<int>(args.indexOf(QStringLiteral("--dir")));
    const QDir dir(dirAt > 0 && dirAt + 1 < args.size() ? args[dirAt + 1] : temp.path());
    constexpr int kPasted = 100000;
    constexpr int kTable = 1000000;
    constexpr int kTaken = 10000;

    EventLoopClock clock;
    BenchDialogs dialogs;
    StoreModule* modulePointer = nullptr;
    BenchControls controls(&modulePointer);

    // 1. Bulk paste of 100,000 keys, against the shell inserting the same keys.
    QString keys;
    QString inserts = QStringLiteral("BEGIN;\n");
    for (int i = 1; i <= kPasted; ++i) {
        const QString key = QStringLiteral("CARD-%1-PASS").arg(i, 7, 10, QLatin1Char('0'));
        keys += key + QStringLiteral("\r\n");
        inserts += QStringLiteral(
                       "INSERT INTO 卡密表(产品, 卡密, 卡期, 使用) VALUES ('青鸾卡', '%1', "
                       "'30', '未用');\n")
                       .arg(key);
    }
    inserts += QStringLiteral("COMMIT;\n");
    const QString insertScript = dir.filePath(QStringLiteral("insert.sql"));
    WriteText(insertScript, inserts);
    const QString shellStore = FreshStore(dir, QStringLiteral("shell.mdb"));
    const double shellPaste = ShellSeconds(shellStore, insertScript, dir.filePath("insert.out"));

    const QDir pasteDir(dir.filePath(QStringLiteral("paste")));
    QDir().mkpath(pasteDir.path());
    QFile::remove(pasteDir.filePath(LocalStore::FileName()));
    double paste = 0, exportTime = 0;
    {
        StoreModule module(controls, dialogs, clock);
        modulePointer = &module;
        module.Open(pasteDir.path());
        ControlActions actions = module.Actions();
        auto click = [&](const QString& button) {
            for (const ControlAction& a : actions) {
                if (a.control == button && a.event == ControlAction::Event::Clicked)
                    a.run();
            }
        };
        controls.SetText(QStringLiteral("组合框_卡密产品"), QStringLiteral("青鸾卡"));
        controls.SetText(QStringLiteral("编辑框_卡密卡期"), QStringLiteral("30"));
        dialogs.clipboard = keys;
        QElapsedTimer t;
        t.start();
        click(QStringLiteral("按钮_粘贴卡密"));
        paste = t.nsecsElapsed() / 1e9;
        std::printf("  (%s)\n", qPrintable(dialogs.last));

        // 3. Export of the 100,000 keys.
        t.restart();
        click(QStringLiteral("按钮19"));
        exportTime = t.nsecsElapsed() / 1e9;
        std::printf("  (%s)\n", qPrintable(dialogs.last));
        modulePointer = nullptr;
    }
    Report("paste 100000 keys (button 批量粘贴算未用)", paste,
           QStringLiteral("sqlite3 shell inserting them in one transaction: %1 s; ratio %2 "
                          "(target <= 1.5)")
               .arg(shellPaste, 0, 'f', 3)
               .arg(paste / shellPaste, 0, 'f', 2));

    const QString selectScript = dir.filePath(QStringLiteral("select.sql"));
    WriteText(selectScript, QStringLiteral("SELECT 卡密 || char(13) FROM 卡密表;\n"));
    const double shellExport = ShellSeconds(shellStore, selectScript, dir.filePath("select.out"));
    Report("export 100000 keys (button 导出全部)", exportTime,
           QStringLiteral("target < 1 s; sqlite3 shell writing the same keys: %1 s")
               .arg(shellExport, 0, 'f', 3));

    // 2. The card-key view's first screen on a table of 1,000,000 keys.
    const QString bigCards = FreshStore(dir, QStringLiteral("cards.mdb"));
    FillWithShell(dir, bigCards, QStringLiteral("卡密表"), kTable);
    {
        LocalStore store;
        QElapsedTimer t;
        t.start();
        store.OpenExisting(bigCards);
        const double open = t.nsecsElapsed() / 1e9;
        StoreTableModel model(store, view::kCardKeys);
        t.restart();
        model.Refresh();
        const double first = t.nsecsElapsed() / 1e9;
        Report("card-key view, first screen of 1000000 keys", first,
               QStringLiteral("%1 rows read; opening the file took %2 s (target < 0.100 s)")
                   .arg(model.rowCount())
                   .arg(open, 0, 'f', 3));
    }

    // 4. 10,000 count keys for one order from a table of 1,000,000 keys, against the shell
    // running the same select-and-update pairs in one transaction on a copy of the file.
    const QString bigCounts = FreshStore(dir, QStringLiteral("counts.mdb"));
    FillWithShell(dir, bigCounts, QStringLiteral("直接计数"), kTable);
    const QString shellCopy = dir.filePath(QStringLiteral("counts-shell.mdb"));
    QFile::remove(shellCopy);
    QFile::copy(bigCounts, shellCopy);
    QString pairs = QStringLiteral("BEGIN;\n");
    for (int i = 0; i < kTaken; ++i) {
        pairs += QStringLiteral(
            "SELECT 卡密 FROM 直接计数 WHERE 产品 = 'A' AND 使用 = '未用' LIMIT 1;\n"
            "UPDATE 直接计数 SET 使用 = '已用', 买家 = 'buyer' WHERE 卡密 = (SELECT 卡密 FROM "
            "直接计数 WHERE 产品 = 'A' AND 使用 = '未用' LIMIT 1);\n");
    }
    pairs += QStringLiteral("COMMIT;\n");
    const QString pairScript = dir.filePath(QStringLiteral("take.sql"));
    WriteText(pairScript, pairs);
    const double shellTake = ShellSeconds(shellCopy, pairScript, dir.filePath("take.out"));
    {
        LocalStore store;
        store.OpenExisting(bigCounts);
        QElapsedTimer t;
        t.start();
        const QStringList taken =
            store.TakeCountKeys(QStringLiteral("A"), QStringLiteral("buyer"), kTaken);
        const double take = t.nsecsElapsed() / 1e9;
        const qsizetype got = kTaken - taken.count(QString());
        Report("take 10000 count keys of 1000000", take,
               QStringLiteral("%1 keys; sqlite3 shell, same select-and-update pairs in one "
                              "transaction: %2 s; ratio %3 (target <= 2)")
                   .arg(got)
                   .arg(shellTake, 0, 'f', 3)
                   .arg(take / shellTake, 0, 'f', 2));
    }
    return 0;
}
