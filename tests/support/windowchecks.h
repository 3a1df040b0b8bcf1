#pragma once

#include <QString>

class QWidget;

// Whether a window's outer frame sits in the middle of its screen, worked out in pixels
// independently of the twips helpers; half a pixel either way is allowed for rounding.
// On failure, `why` says where it is and where it should be.
bool isCentredOnScreen(const QWidget* window, QString* why = nullptr);
