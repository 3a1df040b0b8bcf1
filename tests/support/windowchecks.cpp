#include "windowchecks.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

bool isCentredOnScreen(const QWidget* window, QString* why) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QSize outer = window->isVisible() ? window->frameGeometry().size() : window->size();
    const double left = (screen->geometry().width() - outer.width()) / 2.0;
    const double top = (screen->geometry().height() - outer.height()) / 2.0;
    const QPoint at = window->pos();
    const bool centred = qAbs(at.x() - left) <= 1.0 && qAbs(at.y() - top) <= 1.0;
    if (!centred && why)
        *why =
            QString("at %1,%2 but the middle is %3,%4").arg(at.x()).arg(at.y()).arg(left).arg(top);
    return centred;
}
