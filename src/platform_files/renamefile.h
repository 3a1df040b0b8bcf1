#pragma once

#include <QString>

namespace platform {

// Gives a file a new name, never replacing a file that already has it (in any case of its
// letters). Both names go through the resolver. False with the reason when it cannot.
bool renameWithoutReplacing(const QString& from, const QString& to, QString* problem);

} // namespace platform
