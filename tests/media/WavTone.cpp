#include "WavTone.h"

#include <QtEndian>

#include <cmath>
#include <numbers>

namespace {

constexpr quint16 kPcmFormat = 1;
constexpr quint16 kChannels = 1;
constexpr quint16 kBitsPerSample = 16;
constexpr quint16 kBytesPerSample = kBitsPerSample / 8;
constexpr quint32 kFmtChunkSize = 16;
constexpr quint32 kRiffHeaderRest = 4 + 8 + kFmtChunkSize + 8;  // "WAVE", fmt chunk, data header
constexpr double kAmplitude = 12000.0;
constexpr int kMillisecondsPerSecond = 1000;
// Fades the first and last samples so the tone starts and stops without a click.
constexpr int kFadeSamples = 200;

void append32(QByteArray& out, quint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    out.append(raw, sizeof raw);
}

void append16(QByteArray& out, quint16 value)
{
    char raw[2];
    qToLittleEndian(value, raw);
    out.append(raw, sizeof raw);
}

}  // namespace

QByteArray WavTone::bytes(int milliseconds, double frequencyHz, int sampleRate)
{
    const int samples =
        static_cast<int>(qint64(sampleRate) * milliseconds / kMillisecondsPerSecond);
    const quint32 dataSize = quint32(samples) * kBytesPerSample * kChannels;

    QByteArray out;
    out.reserve(int(kRiffHeaderRest + 8 + dataSize));
    out.append("RIFF");
    append32(out, kRiffHeaderRest + dataSize);
    out.append("WAVE");
    out.append("fmt ");
    append32(out, kFmtChunkSize);
    append16(out, kPcmFormat);
    append16(out, kChannels);
    append32(out, quint32(sampleRate));
    append32(out, quint32(sampleRate) * kBytesPerSample * kChannels);
    append16(out, kBytesPerSample * kChannels);
    append16(out, kBitsPerSample);
    out.append("data");
    append32(out, dataSize);
    for (int i = 0; i < samples; ++i) {
        const int edge = std::min(i, samples - 1 - i);
        const double fade = edge < kFadeSamples ? double(edge) / kFadeSamples : 1.0;
        const double value =
            kAmplitude * fade * std::sin(2.0 * std::numbers::pi * frequencyHz * i / sampleRate);
        append16(out, quint16(qint16(std::lround(value))));
    }
    return out;
}
