#pragma once

#include <QWidget>

namespace platform {

// Centres a window on its screen by the centring rule, in twips, without clamping: a window
// larger than the screen gets a negative Left or Top. The outer size counts the frame: before
// the window is shown, the frame the window manager gave the last framed window; once the
// window manager has framed this one, it is centred again by its own frame if that differs.
void centreWindow(QWidget* window);

// The screen the window is on (or the primary screen), in twips.
QSize screenSizeTwips(const QWidget* window);

// The window's outer size in twips: with its frame once shown and framed, else with the frame
// expected for it.
QSize windowSizeTwips(const QWidget* window);

// Sets a window's caption exactly as given: a "[*]" in it (a path may hold one) is shown as
// written, not taken for the toolkit's modified-marker placeholder.
void setCaption(QWidget* window, const QString& caption);

// The window a box or dialog shown now belongs to: the modal window that waits for it, else
// the program's active window, else a visible window of the program that takes input.
// nullptr while the program shows no window.
QWidget* ownerWindow();

// Makes a window transient for its owner (it stays above it and goes with it) without making
// it a child widget, so that disabling the owner while it waits leaves this window usable.
// While it is shown, the owner made active hands the focus on to it.
void setOwner(QWidget* window, QWidget* owner);

// A solid background colour given as &H00BBGGRR.
void setBackground(QWidget* widget, unsigned bgr);
QColor colourFromBgr(unsigned bgr);
unsigned bgrFromColour(const QColor& colour);

} // namespace platform
