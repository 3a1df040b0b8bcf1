#include "buttonkeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace platform {

namespace {

const char* const FilterName = "platform-enter-presses-button";

class EnterPressesButton : public QObject {
  public:
    explicit EnterPressesButton(QObject* parent) : QObject(parent) { setObjectName(FilterName); }

    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        auto* button = qobject_cast<QPushButton*>(object);
        if (!enter || !button || !button->hasFocus() || !button->isEnabled() ||
            (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
};

} // namespace

void enterPressesFocusedButtons(QApplication& app) {
    if (!app.findChild<QObject*>(FilterName, Qt::FindDirectChildrenOnly))
        app.installEventFilter(new EnterPressesButton(&app));
}

} // namespace platform
