#pragma once

#include <QString>

namespace platform {

// Gives a file a new name, never replacing a file that already has it. The old name goes
// through the resolver; the new one is taken exactly as given, in the folder the resolver
// finds, so a file whose name differs from it only in case is another file and stays. False
// with the reason when it cannot.
bool renameWithoutReplacing(const QString& from, const QString& to, QString* problem);

} // namespace platform
