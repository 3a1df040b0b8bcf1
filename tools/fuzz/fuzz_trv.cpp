// Reads any bytes as a Pelmora category file, question after question, and each line as a
// puzzle file's cycle line.
#include "pelmora/categories.h"
#include "pelmora/puzzlefile.h"

#include <QStringList>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    std::array<QString, 5> answers;
    qint64 place = size > 0 ? qint64(data[0]) - 100 : 0;
    int skipped = 0;
    for (int question = 0; question < 8; ++question)
        pelmora::readQuestion(bytes, place, skipped, answers);
    for (const QString& line : QString::fromLatin1(bytes).split('\n'))
        pelmora::cycleNumberOf(line);
    return 0;
}
