#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace platform {

// Adds a menu item named like its menu control, with its caption and shortcut, that runs
// the window's handler when chosen.
template <typename Window>
QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption, Window* window,
                     void (Window::*handler)(), const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, window, handler);
    return action;
}

} // namespace platform
