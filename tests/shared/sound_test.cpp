#include "shared/sound.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray le(quint32 value, int bytes) {
    QByteArray b(4, 0);
    qToLittleEndian(value, b.data());
    return b.left(bytes);
}

// 200 ms of silence: 8000 samples a second, 16-bit mono.
QByteArray shortWave() {
    const QByteArray format =
        le(1, 2) + le(1, 2) + le(8000, 4) + le(16000, 4) + le(2, 2) + le(16, 2);
    const QByteArray chunks =
        "fmt " + le(16, 4) + format + "data" + le(3200, 4) + QByteArray(3200, 0);
    return "RIFF" + le(quint32(4 + chunks.size()), 4) + "WAVE" + chunks;
}

} // namespace

TEST(Sound, AFileFoundInAnyCasePlaysItsLengthAndOneThatCannotBeReadTakesNoTime) {
    QTemporaryDir folder;
    QFile file(folder.filePath("Cat.Wav"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(shortWave());
    file.close();
    QElapsedTimer clock;
    clock.start();
    shared::playWave(folder.filePath("CAT.WAV"));
    EXPECT_GE(clock.elapsed(), 190);

    clock.restart();
    shared::playWave(folder.path());                  // a folder
    shared::playWave(folder.filePath("missing.wav")); // nothing there
    EXPECT_LT(clock.elapsed(), 50);
}
