#include "platform/wavefile.h"
#include "platform/waveplayer.h"

#include <QElapsedTimer>
#include <QtEndian>
#include <gtest/gtest.h>

using platform::parseWave;

namespace {

QByteArray le32(quint32 v) {
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray le16(quint16 v) {
    QByteArray b(2, 0);
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray chunk(const QByteArray& id, const QByteArray& body, qint64 claimed = -1) {
    return id + le32(quint32(claimed < 0 ? body.size() : claimed)) + body;
}

QByteArray format(int tag, int channels, int rate, int bits) {
    const int align = channels * bits / 8;
    return chunk("fmt ", le16(quint16(tag)) + le16(quint16(channels)) + le32(quint32(rate)) +
                             le32(quint32(rate * align)) + le16(quint16(align)) +
                             le16(quint16(bits)));
}

QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

} // namespace

TEST(WaveFile, ReadsSixteenAndEightBitSound) {
    const auto sixteen =
        parseWave(riff(format(1, 1, 22050, 16) + chunk("data", QByteArray(4410, 1))));
    ASSERT_TRUE(sixteen);
    EXPECT_EQ(sixteen->bitsPerSample, 16);
    EXPECT_EQ(sixteen->sampleRate, 22050);
    EXPECT_EQ(sixteen->frames(), 2205);
    EXPECT_EQ(sixteen->durationMs(), 100);

    const auto eight =
        parseWave(riff(format(1, 2, 11025, 8) + chunk("data", QByteArray(2205 * 2, 1))));
    ASSERT_TRUE(eight);
    EXPECT_EQ(eight->channels, 2);
    EXPECT_EQ(eight->durationMs(), 200);
}

TEST(WaveFile, ClampsTheSoundToTheDataPresent) {
    // Claims a second of sound, holds 1001 bytes: 500 whole frames.
    const auto cut =
        parseWave(riff(format(1, 1, 8000, 16) + chunk("data", QByteArray(1001, 7), 16000)));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->samples.size(), 1000);
    EXPECT_EQ(cut->durationMs(), 62);
}

TEST(WaveFile, SkipsOtherChunksAndTheirPadding) {
    const QByteArray odd = chunk("LIST", "abc") + QByteArray(1, 0);
    const QByteArray longFormat = chunk("fmt ", format(1, 1, 8000, 8).mid(8) + le16(0));
    const auto sound = parseWave(riff(odd + longFormat + odd + chunk("data", QByteArray(80, 0))));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->frames(), 80);
}

TEST(WaveFile, RefusesWhatItCannotPlay) {
    const QByteArray data = chunk("data", QByteArray(100, 0));
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", {}},
        {"not RIFF", "RIFX" + riff(format(1, 1, 8000, 16) + data).mid(4)},
        {"header cut short", riff(format(1, 1, 8000, 16)).left(30)},
        {"no format", riff(data)},
        {"data before format", riff(data + format(1, 1, 8000, 16))},
        {"no data", riff(format(1, 1, 8000, 16))},
        {"compressed", riff(format(2, 1, 8000, 16) + data)},
        {"24-bit", riff(format(1, 1, 8000, 24) + data)},
        {"no channels", riff(format(1, 0, 8000, 16) + data)},
        {"rate zero", riff(format(1, 1, 0, 16) + data)},
        {"format chunk too short", riff(chunk("fmt ", le16(1)) + data)},
    };
    for (const auto& c : cases) {
        QString problem;
        EXPECT_FALSE(parseWave(c.bytes, &problem)) << c.what;
        EXPECT_FALSE(problem.isEmpty()) << c.what;
    }
}

TEST(WavePlayer, TakesTheSoundsLengthAndNoTimeForWhatIsNoSound) {
    platform::WavePlayer player;
    QElapsedTimer clock;
    clock.start();
    player.playWave(riff(format(1, 1, 8000, 16) + chunk("data", QByteArray(3200, 0))));
    EXPECT_GE(clock.elapsed(), 190);

    clock.restart();
    player.playWave(QByteArray());
    player.playWave(riff(format(1, 1, 8000, 16))); // no sound in it
    EXPECT_LT(clock.elapsed(), 50);
}
