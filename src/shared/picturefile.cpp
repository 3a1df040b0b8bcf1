#include "picturefile.h"
#include "files.h"

namespace shared {

QImage readPicture(const QString& name, QString* problem) {
    const auto bytes = readFile(name, limit::Picture, problem);
    if (!bytes)
        return {};
    QImage picture;
    if (!picture.loadFromData(*bytes) && problem)
        *problem = "It is not a picture that can be shown.";
    return picture;
}

} // namespace shared
