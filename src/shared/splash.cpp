#include "splash.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "platform/window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace shared {

int Splash::defaultIntervalMs() {
    bool ok = false;
    const int fromEnvironment = qEnvironmentVariableIntValue("QUIBLAX_SPLASH_MS", &ok);
    return ok && fromEnvironment >= 0 ? fromEnvironment : 5000;
}

Splash::Splash(int intervalMs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), art_(":/art/splash.png") {
    setObjectName("Splash");
    setFixedSize(platform::twipsSize(4680, 3195));
    platform::setBackground(this, 0xFFFFFF);

    Label1 = new QLabel("Setting out the pieces...", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(platform::twipsRect(0, 2880, 2415, 255));
    Label1->setFont(platform::mappedFont("MS Sans Serif", 8.25, false));

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(intervalMs);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &Splash::Splash_Timer1_Timer);
}

void Splash::showModal() {
    Splash splash;
    splash.exec();
}

void Splash::showEvent(QShowEvent* event) {
    if (!loaded_) {
        loaded_ = true;
        Splash_Form_Load();
    }
    QDialog::showEvent(event);
}

void Splash::Splash_Form_Load() {
    platform::centreWindow(this);
    Timer1->start();
}

void Splash::Splash_Timer1_Timer() {
    accept();
}

void Splash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, art_);
    // The thin single border.
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Splash::keyPressEvent(QKeyEvent* event) {
    // Only the timer closes the splash window.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

} // namespace shared
