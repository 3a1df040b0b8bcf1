#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The chosen piece picture, kept in "kavrinth.ini" as a "[PIECE]" line and the line after it.
namespace kavrinth {

inline const QString PieceFile = "kavrinth.ini";
inline constexpr int PieceCount = 40;
inline constexpr int DefaultPiece = 11;

// The text after the first "=" of the line that follows "[PIECE]" (matched ignoring case and
// surrounding blanks), at most 25 characters, trimmed. nullopt when there is no such line.
std::optional<QString> findPieceSetting(const QByteArray& content);

QByteArray defaultPieceFile();
QByteArray pieceFileFor(int index);

// The picture a setting names: its value rounded half to even, or the default piece when
// that is no picture's index.
int pieceIndex(const QString& setting);

enum class PieceFileState { Read, Created, NotCreated, Unreadable };
struct PieceFileRead {
    PieceFileState state = PieceFileState::Read;
    std::optional<QString> setting;
    QString problem;
};
// Reads the setting, creating the file with the default piece when it is missing. A file that
// is there but cannot be read is left alone and the default piece is used.
PieceFileRead readPieceSetting(const QString& path);

} // namespace kavrinth
