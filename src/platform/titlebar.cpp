#include "titlebar.h"

#include <QApplication>
#include <QWidget>
#include <array>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace platform {

namespace {

constexpr uint32_t HasFunctions = 0x1;
constexpr uint32_t HasDecorations = 0x2;

bool fixedSize(const QWidget* window) {
    return (window->windowFlags() & Qt::MSWindowsFixedSizeDialogHint) ||
           window->minimumSize() == window->maximumSize();
}

bool titled(const QWidget* window) {
    const Qt::WindowFlags flags = window->windowFlags();
    const Qt::WindowType type = window->windowType();
    return window->isWindow() && (type == Qt::Window || type == Qt::Dialog) &&
           !(flags & Qt::FramelessWindowHint) && (flags & Qt::WindowTitleHint);
}

void writeHints(QWidget* window) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform answers too, with no connection unless a display is named.
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const char* name = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    if (!reply)
        return;
    const FrameHints hints = frameHints(window->windowFlags(), fixedSize(window));
    const std::array<uint32_t, 5> value = {HasFunctions | HasDecorations, hints.functions,
                                           hints.decorations, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()),
                        reply->atom, reply->atom, 32, uint32_t(value.size()), value.data());
    std::free(reply);
}

class FrameAnnouncer : public QObject {
  public:
    explicit FrameAnnouncer(QObject* parent) : QObject(parent) {
        setObjectName("platform-frame-announcer");
    }

    // The window is made, not yet mapped: the window manager reads the hints when it maps it.
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && object->isWidgetType()) {
            auto* window = static_cast<QWidget*>(object);
            if (titled(window))
                writeHints(window);
        }
        return false;
    }
};

} // namespace

FrameHints frameHints(Qt::WindowFlags flags, bool fixed) {
    FrameHints hints{FrameHints::Move, FrameHints::Border | FrameHints::Title};
    if (!fixed) {
        hints.functions |= FrameHints::Resize;
        hints.decorations |= FrameHints::ResizeHandles;
    }
    if (flags & Qt::WindowSystemMenuHint)
        hints.decorations |= FrameHints::Menu;
    if (flags & Qt::WindowMinimizeButtonHint) {
        hints.functions |= FrameHints::Minimize;
        hints.decorations |= FrameHints::MinimizeButton;
    }
    if ((flags & Qt::WindowMaximizeButtonHint) && !fixed) {
        hints.functions |= FrameHints::Maximize;
        hints.decorations |= FrameHints::MaximizeButton;
    }
    if (flags & Qt::WindowCloseButtonHint)
        hints.functions |= FrameHints::Close;
    return hints;
}

void announceFrames(QApplication& app) {
    if (!app.findChild<QObject*>("platform-frame-announcer", Qt::FindDirectChildrenOnly))
        app.installEventFilter(new FrameAnnouncer(&app));
}

} // namespace platform
