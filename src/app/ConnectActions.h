#pragma once

#include <QStringList>
#include <QWidget>

#include "platform/ControlAction.h"

namespace fahuo {

// Connects each action to the control of that object name under `root`: a button's click, a
// press of the left mouse button on a label or picture, a row of a list view clicked (or
// reached with the keyboard), an item chosen from a combo box's list. Returns the names of the
// actions whose control was not found or does not have that event, so nothing is lost silently.
QStringList ConnectActions(QWidget* root, const ControlActions& actions);

}  // namespace fahuo
