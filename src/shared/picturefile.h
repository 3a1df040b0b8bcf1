#pragma once

#include <QImage>
#include <QString>

namespace shared {

// A picture file (BMP, PNG, ...) read through the file layer. A missing, unreadable or damaged
// file gives an empty picture, with problem said in our words.
QImage readPicture(const QString& name, QString* problem = nullptr);

} // namespace shared
