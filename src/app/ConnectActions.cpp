#include "app/ConnectActions.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>

namespace fahuo {
namespace {

// Runs its handlers when the left mouse button goes down on the watched label or picture.
class PressWatcher : public QObject {
  public:
    PressWatcher(QWidget* watched, std::function<void()> run) : QObject(watched), run_(run) {
        watched->installEventFilter(this);
        watched->setCursor(Qt::PointingHandCursor);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->isEnabled()) {
                run_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> run_;
};

bool ConnectRowClicked(QAbstractItemView* view, const std::function<void()>& run) {
    QObject::connect(view, &QAbstractItemView::clicked, view, [run](const QModelIndex& index) {
        if (index.isValid())
            run();
    });
    // A row reached with the arrow keys counts as clicked; a mouse press is left to `clicked`
    // so one click runs the handler once.
    auto connectSelection = [view, run]() {
        if (!view->selectionModel())
            return;
        QObject::connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, view,
                         [view, run](const QModelIndex& current, const QModelIndex&) {
                             if (current.isValid() && view->hasFocus() &&
                                 QGuiApplication::mouseButtons() == Qt::NoButton)
                                 run();
                         });
    };
    connectSelection();
    return true;
}

}  // namespace

QStringList ConnectActions(QWidget* root, const ControlActions& actions) {
    QStringList missing;
    for (const ControlAction& action : actions) {
        QWidget* control =
            root->objectName() == action.control ? root : root->findChild<QWidget*>(action.control);
        bool connected = false;
        if (control && action.run) {
            switch (action.event) {
                case ControlAction::Event::Clicked:
                    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                        QObject::connect(button, &QAbstractButton::clicked, button,
                                         [run = action.run]() { run(); });
                        connected = true;
                    } else if (qobject_cast<QLabel*>(control)) {
                        new PressWatcher(control, action.run);
                        connected = true;
                    }
                    break;
                case ControlAction::Event::RowClicked:
                    if (auto* view = qobject_cast<QAbstractItemView*>(control))
                        connected = ConnectRowClicked(view, action.run);
                    break;
                case ControlAction::Event::ItemChosen:
                    if (auto* combo = qobject_cast<QComboBox*>(control)) {
                        QObject::connect(combo, &QComboBox::activated, combo,
                                         [run = action.run](int) { run(); });
                        connected = true;
                    }
                    break;
            }
        }
        if (!connected)
            missing.append(action.control);
    }
    return missing;
}

}  // namespace fahuo
