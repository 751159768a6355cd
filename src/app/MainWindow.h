#pragma once

#include <QHash>
#include <QList>
#include <QWidget>
#include <functional>

#include "platform/ControlAction.h"
#include "platform/UserDialogs.h"

class QAbstractItemModel;
class QSystemTrayIcon;
class QTabWidget;
class QTableView;

namespace fahuo {

// The seller's window 窗口: the tab control 选择夹2 with its seven pages, the status strip
// 分组框1, and the behaviour that belongs to the window itself (collapse, closing question,
// tray, double-click emptying, the promotional link and picture). Every control carries its
// object name; the rest of the program reaches them through WidgetControls and ConnectActions.
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 884;
    static constexpr int kDesignHeight = 589;
    static constexpr int kExpandedHeight = 603;
    static constexpr int kCollapsedHeight = 70;
    static constexpr int kStripTopExpanded = 536;
    static constexpr int kStripTopCollapsed = -5;

    explicit MainWindow(UserDialogs& dialogs, QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return tabs_; }
    QWidget* Control(const QString& name) const { return named_.value(name); }
    QTableView* View(const QString& name) const;
    QSystemTrayIcon* Tray() const { return tray_; }

    // The embedded browser, laid over page 1's controls, which show once it hides.
    void SetBrowser(QWidget* browser);
    // A list view's model, with its column widths in pixels (none: as the model sizes them).
    void SetViewModel(const QString& view, QAbstractItemModel* model,
                      const QList<int>& widths = {});

    // Runs when the seller closes the window and answers No to minimising.
    void SetShutdown(std::function<void()> shutdown) { shutdown_ = std::move(shutdown); }
    // Where the tray tip gets SuccessCount; by default the counter label.
    void SetSuccessCount(std::function<qint64()> count) { successCount_ = std::move(count); }

    // Whether the desktop shows tray icons (tests pretend either way). Without one, "minimise"
    // minimises to the task bar, so the window never becomes unreachable.
    void SetTrayAvailable(bool available) { trayAvailable_ = available; }

    // Collapse to the status strip, or expand again (the 按钮1 click).
    void ToggleCollapse();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Build();
    QWidget* CreateControl(int index, QWidget* parent, QWidget* previous);
    ControlActions OwnActions();
    void WatchDoubleClick(QWidget* control);
    void RestoreFromTray();
    void AppendToBox(const QString& box, const QString& text);

    UserDialogs& dialogs_;
    QTabWidget* tabs_ = nullptr;
    QWidget* strip_ = nullptr;
    int stripHeight_ = 0;
    bool trayAvailable_ = true;
    QSystemTrayIcon* tray_ = nullptr;
    QHash<QString, QWidget*> named_;
    QHash<QObject*, QWidget*> emptiedBy_;  // the widget a double-click arrives at -> the box
    std::function<void()> shutdown_;
    std::function<qint64()> successCount_;
};

// The window's own icon, also shown in the tray.
QIcon ProgramIcon();

}  // namespace fahuo
