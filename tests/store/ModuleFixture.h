#pragma once

#include <QDir>
#include <QHash>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "StoreFixture.h"
#include "store/StoreModule.h"
#include "support/MapControls.h"
#include "support/RecordingDialogs.h"
#include "support/VirtualClock.h"

namespace fahuo::test {

// A store module over a real store file in a temporary folder, its views registered as the
// window's list views and its actions reachable by control name.
class ModuleFixture {
  public:
    ModuleFixture() : module(controls, dialogs, clock) {
        for (const QString& v : ViewNames())
            controls.SetView(v, module.ViewModel(v));
        for (const ControlAction& a : module.Actions())
            actions[Key(a.control, a.event)].append(a.run);
    }

    bool Open() { return dir.isValid() && module.Open(dir.path()); }
    QString Path() const { return dir.filePath(LocalStore::FileName()); }
    QString DataPath(const QString& name) const { return dir.filePath(name); }

    // Runs what the window runs for the event; false when nothing is connected to it.
    bool Fire(const QString& control, ControlAction::Event event = ControlAction::Event::Clicked) {
        const auto it = actions.constFind(Key(control, event));
        if (it == actions.constEnd())
            return false;
        for (const auto& run : *it)
            run();
        return true;
    }
    bool Click(const QString& button) { return Fire(button); }
    bool ClickRow(const QString& view, int row) {
        controls.Select(view, row);
        return Fire(view, ControlAction::Event::RowClicked);
    }

    // The view's rows as shown, cells joined by "|", from the given column on.
    QStringList ViewRows(const QString& view, int fromColumn = 1) {
        QStringList rows;
        const int n = controls.RowCount(view);
        const int columns = module.ViewModel(view)->columnCount();
        for (int r = 0; r < n; ++r) {
            QStringList cells;
            for (int c = fromColumn; c < columns; ++c)
                cells.append(controls.Cell(view, r, c));
            rows.append(cells.join(QLatin1Char('|')));
        }
        return rows;
    }

    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir dir;
    MapControls controls;
    RecordingDialogs dialogs;
    VirtualClock clock;
    StoreModule module;

  private:
    static QString Key(const QString& control, ControlAction::Event event) {
        return control + QLatin1Char('#') + QString::number(static_cast<int>(event));
    }
    QHash<QString, QList<std::function<void()>>> actions;
};

}  // namespace fahuo::test
