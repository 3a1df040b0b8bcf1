#include "mazefile.h"
#include "platform/runtimeerror.h"
#include "shared/files.h"
#include "shared/numbertext.h"
#include "shared/textfile.h"

namespace maze {

std::variant<MazeFile, QString> parseMazFile(const QByteArray& content) {
    shared::TextFileReader reader(content);
    MazeFile file;
    for (int r = 0; r < Rows; ++r) {
        QString line;
        try {
            line = reader.readLine();
        } catch (const platform::RunTimeError&) {
            return QString("It ends after %1 of the %2 rows a maze needs.").arg(r).arg(Rows);
        }
        for (int c = 0; c < Columns; ++c) {
            // A field past the line's end is empty and reads 0; a cut field reads what is left.
            const double value = shared::textToNumber(QStringView(line).mid(2 * c, 2));
            file.maze[c][r] = value;
            if (value == StartValue)
                file.start = Cell{c, r};
        }
    }
    return file;
}

std::variant<MazeFile, QString> readMazFile(const QString& path) {
    QString problem;
    bool cut = false;
    // Only the first 72 characters of a row count, but rows may be padded far past them.
    std::optional<QByteArray> content =
        shared::readFilePrefix(path, shared::limit::DataFile, &problem, "maze", &cut);
    if (!content)
        return problem;
    if (cut) {
        // A row the limit cuts before its last field is not there to read.
        const qsizetype rowStart =
            std::max(content->lastIndexOf('\n'), content->lastIndexOf('\r')) + 1;
        if (content->size() - rowStart < 2 * Columns)
            content->truncate(rowStart);
    }
    std::variant<MazeFile, QString> maze = parseMazFile(*content);
    // Rows that run on past the limit are not missing: the file is too large to read them.
    if (cut && std::holds_alternative<QString>(maze))
        return shared::tooLarge(shared::limit::DataFile, "maze");
    return maze;
}

void applyMazeFile(QUIBMAZE1& state, const MazeFile& file) {
    state.Maze = file.maze;
    if (file.start) {
        state.StartX = file.start->x;
        state.StartY = file.start->y;
    }
}

} // namespace maze
