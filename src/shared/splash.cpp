#include "splash.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "platform/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <algorithm>

namespace shared {

namespace {

constexpr int Border = 1;

// The client area: the title art drawn unscaled from its top-left corner, clipped. The art is
// kept in its palette and made 32 bits a pixel only as it is drawn, within the splash's
// interval, not before the splash can show.
class ArtArea : public QWidget {
  public:
    explicit ArtArea(QWidget* parent) : QWidget(parent), art_(":/art/splash.bmp") {}

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, art_); }

  private:
    QImage art_;
};

} // namespace

int Splash::defaultIntervalMs() {
    bool ok = false;
    const int fromEnvironment = qEnvironmentVariableIntValue("QUIBLAX_SPLASH_MS", &ok);
    return ok && fromEnvironment >= 0 ? fromEnvironment : 5000;
}

Splash::Splash(int intervalMs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("Splash");
    const QSize clientSize = platform::twipsSize(4680, 3195);
    setFixedSize(clientSize + QSize(2 * Border, 2 * Border));
    platform::setBackground(this, 0xFFFFFF);

    client = new ArtArea(this);
    client->setGeometry(QRect(QPoint(Border, Border), clientSize));
    Label1 = new QLabel("Setting out the pieces...", client);
    Label1->setObjectName("Label1");
    Label1->setGeometry(platform::twipsRect(0, 2880, 2415, 255));
    Label1->setFont(platform::mappedFont("MS Sans Serif", 8.25, false));

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(intervalMs);
    Timer1->setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the splash must stay its full interval.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &Splash::Splash_Timer1_Timer);
}

void Splash::showModal() {
    Splash splash;
    const QWidgetList windows = QApplication::topLevelWidgets();
    if (std::any_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); })) {
        splash.exec();
        return;
    }
    // With no other window on the screen a modal splash has nothing to block, and closing a
    // modal window costs two round trips to the X server: the splash's own loop does the rest.
    QEventLoop loop;
    connect(&splash, &QDialog::finished, &loop, &QEventLoop::quit);
    splash.show();
    loop.exec(QEventLoop::DialogExec);
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
    unloading_ = true;
    accept();
}

void Splash::paintEvent(QPaintEvent*) {
    // The thin single border around the client area.
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

// Esc and a close from the window manager are refused: only the timer unloads the window.
void Splash::reject() {
    if (unloading_)
        QDialog::reject();
}

void Splash::closeEvent(QCloseEvent* event) {
    if (unloading_)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

} // namespace shared
