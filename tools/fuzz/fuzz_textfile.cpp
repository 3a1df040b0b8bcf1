// Reads any bytes as a text file, item by item, line by line and number by number; its lines,
// rewritten in the encoding they were read in, must read back the same.
#include "platform/runtimeerror.h"
#include "shared/numbertext.h"
#include "shared/textfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    shared::textToNumber(QString::fromLatin1(bytes));
    shared::TextFileReader lines(bytes);
    const QStringList read = lines.readLines();
    shared::TextFileWriter writer(lines.encoding());
    for (const QString& line : read)
        writer.writeTextLine(line);
    if (shared::TextFileReader(writer.content()).readLines() != read)
        std::abort();
    shared::TextFileReader reader(bytes);
    for (int step = 0; !reader.atEnd(); ++step) {
        try {
            switch (step % 3) {
            case 0:
                reader.readItem();
                break;
            case 1:
                reader.readLine();
                break;
            default:
                reader.readNumber();
                break;
            }
        } catch (const platform::RunTimeError&) {
        }
    }
    return 0;
}
