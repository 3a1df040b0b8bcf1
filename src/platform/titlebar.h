#pragma once

#include <Qt>

class QApplication;

namespace platform {

// A window's frame as the Motif window-manager hints carry it: the functions the window
// manager offers and the decorations it draws.
struct FrameHints {
    enum Function : unsigned {
        Resize = 0x2,
        Move = 0x4,
        Minimize = 0x8,
        Maximize = 0x10,
        Close = 0x20
    };
    enum Decoration : unsigned {
        Border = 0x2,
        ResizeHandles = 0x4,
        Title = 0x8,
        Menu = 0x10,
        MinimizeButton = 0x20,
        MaximizeButton = 0x40,
    };
    unsigned functions = 0;
    unsigned decorations = 0;
    bool operator==(const FrameHints&) const = default;
};

// The frame a titled window's flags give it: its buttons, and handles and a maximise button
// only when it can be resized. A fixed window offers no resize and no maximise.
FrameHints frameHints(Qt::WindowFlags flags, bool fixedSize);

// From now on every titled top-level window of the program tells the window manager its frame
// before it is mapped. The toolkit sends no decorations for a window with a title and no
// buttons, so window managers gave such windows every button.
void announceFrames(QApplication& app);

} // namespace platform
