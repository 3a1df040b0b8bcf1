// Makes the Nibbolet game's sounds: synth-waves <folder>
// Each sound is built from tones, glides and noise with simple envelopes and written as a
// 16-bit mono PCM wave file at 22050 samples a second.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 22050;
constexpr double Pi = std::numbers::pi;

using Samples = std::vector<double>;

Samples silence(double seconds) {
    return Samples(std::size_t(seconds * Rate), 0.0);
}

// A repeatable noise source, so every build makes the same files.
double noise() {
    static std::uint32_t state = 12345;
    state = state * 1664525u + 1013904223u;
    return double(state >> 8) / double(1u << 23) - 1.0;
}

// Adds a sound to `into` from `start` seconds: value(t) for t in [0, seconds).
void mix(Samples& into, double start, double seconds, const std::function<double(double)>& value) {
    const std::size_t first = std::size_t(start * Rate);
    const std::size_t count = std::size_t(seconds * Rate);
    if (into.size() < first + count)
        into.resize(first + count, 0.0);
    for (std::size_t i = 0; i < count; ++i)
        into[first + i] += value(double(i) / Rate);
}

// Rises over `attack` seconds, then falls away to nothing at `seconds`.
double envelope(double t, double seconds, double attack) {
    if (t < attack)
        return t / attack;
    return std::pow(std::max(0.0, 1.0 - (t - attack) / (seconds - attack)), 2.0);
}

// A tone whose pitch glides from `from` to `to` Hz, with a few harmonics.
void glide(Samples& into, double start, double seconds, double from, double to,
           std::vector<double> harmonics, double attack = 0.01) {
    double phase = 0;
    mix(into, start, seconds, [=](double t) mutable {
        const double frequency = from + (to - from) * t / seconds;
        phase += 2 * Pi * frequency / Rate;
        double value = 0;
        for (std::size_t h = 0; h < harmonics.size(); ++h)
            value += harmonics[h] * std::sin(phase * double(h + 1));
        return value * envelope(t, seconds, attack);
    });
}

void burst(Samples& into, double start, double seconds, double level) {
    mix(into, start, seconds, [=](double t) { return level * noise() * std::exp(-t * 40.0); });
}

// A cat's cry: up, held, down, with a nasal buzz.
void meow(Samples& into, double start, double seconds, double low, double high, double buzz) {
    double phase = 0;
    mix(into, start, seconds, [=](double t) mutable {
        const double x = t / seconds;
        const double frequency = low + (high - low) * std::sin(Pi * std::pow(x, 0.7));
        phase += 2 * Pi * frequency / Rate;
        const double vibrato = 1.0 + 0.05 * std::sin(2 * Pi * 6 * t);
        const double value = std::sin(phase * vibrato) + buzz * std::sin(2 * phase) +
                             0.5 * buzz * std::sin(3 * phase) + 0.2 * std::sin(5 * phase);
        return value * envelope(t, seconds, 0.06);
    });
}

// Scales the sound so its loudest sample is `peak` of full scale.
void normalise(Samples& samples, double peak) {
    double loudest = 0;
    for (double s : samples)
        loudest = std::max(loudest, std::abs(s));
    if (loudest > 0)
        for (double& s : samples)
            s *= peak / loudest;
}

bool writeWave(const std::string& path, Samples samples) {
    normalise(samples, 0.7);
    std::ofstream file(path, std::ios::binary);
    const auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file.put(char((v >> (8 * i)) & 0xff));
    };
    const auto put16 = [&](std::uint16_t v) {
        file.put(char(v & 0xff));
        file.put(char(v >> 8));
    };
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    file.write("RIFF", 4);
    put32(36 + dataBytes);
    file.write("WAVEfmt ", 8);
    put32(16);
    put16(1);
    put16(1);
    put32(Rate);
    put32(Rate * 2);
    put16(2);
    put16(16);
    file.write("data", 4);
    put32(dataBytes);
    for (double s : samples)
        put16(std::uint16_t(std::int16_t(std::lround(std::clamp(s, -1.0, 1.0) * 32767))));
    return bool(file.flush());
}

Samples hop() {
    Samples s = silence(0.15);
    glide(s, 0.0, 0.045, 1800, 2600, {1.0, 0.2}, 0.003);
    glide(s, 0.07, 0.06, 2000, 3000, {1.0, 0.2}, 0.003);
    burst(s, 0.0, 0.02, 0.3);
    return s;
}

Samples click() {
    Samples s = silence(0.04);
    burst(s, 0.0, 0.03, 1.0);
    glide(s, 0.0, 0.035, 1500, 1200, {0.6}, 0.001);
    return s;
}

Samples clapping() {
    Samples s = silence(1.3);
    const double times[] = {0.0, 0.13, 0.24, 0.37, 0.46, 0.6, 0.71, 0.83, 0.95, 1.07};
    for (double t : times)
        burst(s, t, 0.12, 1.0);
    return s;
}

Samples garbage() {
    Samples s = silence(1.4);
    const double hits[] = {0.0, 0.28, 0.5, 0.85};
    for (double t : hits) {
        burst(s, t, 0.15, 0.8);
        glide(s, t, 0.5, 523, 510, {0.6, 0.0, 0.3, 0.0, 0.25}, 0.002);
        glide(s, t, 0.45, 1370, 1350, {0.4}, 0.002);
    }
    return s;
}

Samples truck() {
    Samples s = silence(1.8);
    mix(s, 0.0, 1.8, [](double t) {
        const double rumble = std::sin(2 * Pi * 55 * t) + 0.5 * std::sin(2 * Pi * 110 * t) +
                              0.3 * noise() * (0.5 + 0.5 * std::sin(2 * Pi * 9 * t));
        return 0.5 * rumble * envelope(t, 1.8, 0.2);
    });
    glide(s, 0.5, 0.45, 330, 330, {1.0, 0.5, 0.3}, 0.02);
    glide(s, 0.5, 0.45, 415, 415, {1.0, 0.5, 0.3}, 0.02);
    glide(s, 1.05, 0.6, 330, 330, {1.0, 0.5, 0.3}, 0.02);
    glide(s, 1.05, 0.6, 415, 415, {1.0, 0.5, 0.3}, 0.02);
    return s;
}

Samples taps() {
    Samples s = silence(1.9);
    glide(s, 0.0, 0.35, 392, 392, {1.0, 0.5, 0.35, 0.2}, 0.04);
    glide(s, 0.4, 0.25, 392, 392, {1.0, 0.5, 0.35, 0.2}, 0.04);
    glide(s, 0.7, 1.15, 523, 523, {1.0, 0.5, 0.35, 0.2}, 0.05);
    return s;
}

Samples trapSnap() {
    Samples s = silence(0.45);
    burst(s, 0.0, 0.08, 1.0);
    glide(s, 0.0, 0.3, 140, 60, {1.0, 0.3}, 0.002);
    burst(s, 0.12, 0.05, 0.4);
    return s;
}

Samples cat(double seconds, double low, double high, double buzz) {
    Samples s = silence(seconds);
    meow(s, 0.0, seconds, low, high, buzz);
    return s;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: synth-waves <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::pair<const char*, Samples> sounds[] = {
        {"Mouse.Wav", hop()},
        {"dClk.Wav", click()},
        {"Clap.Wav", clapping()},
        {"Garbage.Wav", garbage()},
        {"Truck.Wav", truck()},
        {"Taps.Wav", taps()},
        {"MTrap.Wav", trapSnap()},
        {"Cat1.Wav", cat(0.8, 480, 820, 0.5)},
        {"Cat2.Wav", cat(1.0, 380, 640, 0.7)},
        {"Siamese.Wav", cat(1.3, 600, 1100, 0.9)},
        {"Cat.Wav", cat(0.6, 520, 760, 0.4)},
    };
    for (const auto& [name, samples] : sounds)
        if (!writeWave(folder + "/" + name, samples)) {
            std::fprintf(stderr, "synth-waves: cannot write %s/%s\n", folder.c_str(), name);
            return 1;
        }
    return 0;
}
