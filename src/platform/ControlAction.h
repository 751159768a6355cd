#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace fahuo {

// What a library wants done when the seller acts on a control, named by the control's object
// name. The window connects every action it is given; the libraries never see a widget.
struct ControlAction {
    enum class Event {
        Clicked,     // a button, a check box, a label or picture pressed
        RowClicked,  // a row of a list view clicked or selected
        ItemChosen,  // an item of a combo box's drop-down list chosen
    };
    QString control;
    Event event = Event::Clicked;
    std::function<void()> run;
};

using ControlActions = QList<ControlAction>;

}  // namespace fahuo
