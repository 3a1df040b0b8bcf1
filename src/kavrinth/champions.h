#pragma once

#include "shared/textfile.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

// The top ten in "kavrinth.hal": ten entries of initials and score, best first.
namespace kavrinth {

inline const QString ChampionsFile = "kavrinth.hal";
inline const QString ChampsNotAvailable = "Champs not available!";

struct Champion {
    QString initials;
    qint64 score = 0;
    bool operator==(const Champion&) const = default;
};
using Champions = std::array<Champion, 10>;

Champions defaultChampions();

// The list from a file's bytes; nullopt when it holds fewer than ten entries or a score that
// is not a whole number.
std::optional<Champions> parseChampions(const QByteArray& content);
// The file's bytes; a rewrite passes the encoding the file was read in.
QByteArray championsBytes(const Champions& list,
                          shared::TextEncoding encoding = shared::TextEncoding::SingleByte);

// Whether the score beats some stored score.
bool qualifies(const Champions& list, qint64 score);
// Puts the entry above the first lower score, below equal ones; the last entry drops off.
// False when the score beats none.
bool insertChampion(Champions& list, const QString& initials, qint64 score);

// Each entry as initials, a tab and the score's number text, each ended by a CR.
QString championsListText(const Champions& list);

// A character a box may take as an initial: one the file can store and read back as typed.
bool isAllowedInitial(QChar c);

enum class FileState { Read, Missing, Unreadable, Malformed };
struct LoadedChampions {
    FileState state = FileState::Missing;
    Champions list;
    shared::TextEncoding encoding = shared::TextEncoding::SingleByte;
    QString problem;
};
LoadedChampions loadChampions(const QString& path);

enum class Recorded { Saved, NoPlace, NotAvailable, NotSaved };
// Reads the file again (the default list when it is missing), enters the new champion and
// rewrites the file whole. A file that cannot be read or holds no list is left as it is.
Recorded recordChampion(const QString& path, const QString& initials, qint64 score,
                        QString* problem);

} // namespace kavrinth
