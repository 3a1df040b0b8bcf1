#include "services.h"
#include "qtservices.h"

#include <QCoreApplication>

namespace platform {

namespace {
Services* installed = nullptr;
} // namespace

Services& services() {
    static QtServices real;
    return installed ? *installed : real;
}

void installServices(Services* replacement) {
    installed = replacement;
}

QString programTitle() {
    return QCoreApplication::applicationName();
}

Answer msgBox(const QString& prompt, Buttons buttons, Icon icon, const QString& title) {
    return services().messageBox({prompt, buttons, icon, title.isEmpty() ? programTitle() : title});
}

std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                const QString& defaultText) {
    return services().inputBox({prompt, title.isEmpty() ? programTitle() : title, defaultText});
}

void beep() {
    services().beep();
}

void endProgram() {
    services().endProgram();
}

bool windowExists(const QString& title) {
    return services().windowExists(title);
}

void doEvents() {
    QCoreApplication::processEvents();
}

} // namespace platform
