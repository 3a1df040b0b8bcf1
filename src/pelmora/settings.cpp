#include "settings.h"
#include "platform_files/privateprofile.h"
#include "shared/numbertext.h"
#include "shared/uppercase.h"

#include <algorithm>
#include <cmath>

namespace pelmora {

namespace {
constexpr int BufferSize = 25;
} // namespace

QString gameWindowsDirectory(const QString& windowsDirectory) {
    QString dir = shared::upperCase(windowsDirectory);
    if (!dir.endsWith('\\'))
        dir += '\\';
    return dir;
}

SettingsFile::Reading SettingsFile::readNumber(const QString& section, const QString& key,
                                               const QString& defaultValue,
                                               platform::KeyMatch match) const {
    QString buffer(BufferSize, ' ');
    QString problem;
    const int copied = platform::getPrivateProfileString(section, key, defaultValue, &buffer,
                                                         BufferSize, path_, &problem, match);
    if (copied < 1)
        return {0, false, problem};
    const double n = shared::textToNumber(buffer);
    return {qint64(std::round(std::clamp(n, -1e15, 1e15))), true, problem};
}

bool SettingsFile::writeNumber(const QString& section, const QString& key, qint64 value,
                               QString* problem) const {
    return platform::writePrivateProfileString(section, key, QString::number(value), path_,
                                               problem) != 0;
}

} // namespace pelmora
