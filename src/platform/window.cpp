#include "window.h"
#include "twips.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace platform {

namespace {

// How long after showing a window the window manager may take to put its frame round it.
constexpr int FrameWaitMs = 2000;

bool takesAFrame(const QWidget* window) {
    return !(window->windowFlags() & Qt::FramelessWindowHint);
}

// The frame the window manager put round the last framed window: the best guess for the
// next one before it is shown. Empty where there is no window manager.
QMargins& lastFrame() {
    static QMargins frame;
    return frame;
}

// The frame round a shown window, once the window manager has given it; empty before.
QMargins shownFrame(const QWidget* window) {
    if (!window->isVisible())
        return {};
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

QMargins expectedFrame(const QWidget* window) {
    const QMargins shown = shownFrame(window);
    if (!shown.isNull())
        return shown;
    return takesAFrame(window) ? lastFrame() : QMargins();
}

// Where the centring rule puts the window's frame, counting the given frame round it.
QPoint centredFramePosition(const QWidget* window, const QMargins& frame) {
    const QSize outer = window->size().grownBy(frame);
    const QPoint topLeft = centredTopLeft(
        screenSizeTwips(window), {pixelsToTwips(outer.width()), pixelsToTwips(outer.height())});
    return {twipsToPixels(topLeft.x()), twipsToPixels(topLeft.y())};
}

void placeCentred(QWidget* window, const QMargins& frame) {
    QPoint position = centredFramePosition(window, frame);
    // A window made but not yet framed takes a move as its client area's place, which the
    // window manager keeps when it adds the frame: move the client area inside the frame.
    if (window->testAttribute(Qt::WA_WState_Created) && shownFrame(window).isNull())
        position += QPoint(frame.left(), frame.top());
    window->move(position);
}

// Centres a window again, by its frame, once the window manager has framed it and it is on
// the screen, should it not sit centred by that frame. The toolkit may have guessed the frame
// before; only the window system knows the real one.
class FrameWatcher : public QObject {
  public:
    explicit FrameWatcher(QWidget* window) : QObject(window) {
        setObjectName("platform-frame-watcher");
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* object, QEvent* event) override {
        auto* window = static_cast<QWidget*>(object);
        if (event->type() == QEvent::Show && !timing_) {
            timing_ = true;
            QTimer::singleShot(FrameWaitMs, this, [this] { deleteLater(); });
        }
        // The first paint on the screen: whatever moved the window before is settled then.
        QWindow* handle = window->windowHandle();
        if (event->type() != QEvent::Paint || !handle || !handle->isExposed())
            return false;
        window->removeEventFilter(this);
        deleteLater();
        const QMargins frame = handle->frameMargins();
        if (takesAFrame(window) && !frame.isNull())
            lastFrame() = frame;
        const QPoint wanted = centredFramePosition(window, frame);
        if (handle->framePosition() != wanted)
            handle->setFramePosition(wanted);
        return false;
    }

  private:
    bool timing_ = false;
};

// While an owned window is shown, its owner takes no focus from the window manager and hands
// the focus on to it should it become active: a click on a waiting, disabled owner must not
// leave the keyboard with a window where Enter and Esc reach nothing. The owner's flag changes
// as the owned window's visibility changes, before it is mapped or unmapped: an owner that
// still refused the focus when the owned window left the screen would leave the keyboard with
// no window at all.
class FocusHandOn : public QObject {
  public:
    FocusHandOn(QWidget* owned, QWidget* owner) : QObject(owned), owned_(owned), owner_(owner) {
        connect(owned->windowHandle(), &QWindow::visibleChanged, this, [this](bool visible) {
            if (owner_ && owner_->windowHandle())
                owner_->windowHandle()->setFlag(Qt::WindowDoesNotAcceptFocus, visible);
        });
        owner->installEventFilter(this);
    }

    bool eventFilter(QObject* object, QEvent* event) override {
        if (object == owner_ && event->type() == QEvent::ActivationChange &&
            owner_->isActiveWindow() && owned_->isVisible())
            owned_->activateWindow();
        return false;
    }

  private:
    QWidget* owned_;
    QPointer<QWidget> owner_;
};

} // namespace

QSize screenSizeTwips(const QWidget* window) {
    QScreen* screen =
        window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->geometry().size() : QSize(1024, 768);
    return {pixelsToTwips(pixels.width()), pixelsToTwips(pixels.height())};
}

QSize windowSizeTwips(const QWidget* window) {
    const QSize pixels = window->size().grownBy(expectedFrame(window));
    return {pixelsToTwips(pixels.width()), pixelsToTwips(pixels.height())};
}

void centreWindow(QWidget* window) {
    const QMargins frame = expectedFrame(window);
    placeCentred(window, frame);
    // Until a window is on the screen its frame is not known for sure: check again then.
    if (!(window->windowHandle() && window->windowHandle()->isExposed()) &&
        !window->findChild<FrameWatcher*>("platform-frame-watcher", Qt::FindDirectChildrenOnly))
        new FrameWatcher(window);
}

QWidget* ownerWindow() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    // The active window is null while another program has the focus (the paint program, or a
    // click elsewhere on the desktop).
    if (QWidget* active = QApplication::activeWindow())
        return active;
    QWidget* shown = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->windowType() == Qt::Popup ||
            window->windowType() == Qt::ToolTip)
            continue;
        if (window->isEnabled())
            return window;
        shown = window;
    }
    return shown;
}

void setOwner(QWidget* window, QWidget* owner) {
    if (!owner)
        return;
    window->winId();
    window->windowHandle()->setTransientParent(owner->window()->windowHandle());
    new FocusHandOn(window, owner->window());
}

void setCaption(QWidget* window, const QString& caption) {
    // The toolkit shows a doubled placeholder as one literal "[*]".
    QString escaped = caption;
    escaped.replace("[*]", "[*][*]");
    window->setWindowTitle(escaped);
}

QColor colourFromBgr(unsigned bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

unsigned bgrFromColour(const QColor& colour) {
    return unsigned(colour.red()) | unsigned(colour.green()) << 8 | unsigned(colour.blue()) << 16;
}

void setBackground(QWidget* widget, unsigned bgr) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colourFromBgr(bgr));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace platform
