#include "WavTone.h"

#include "document/LittleEndian.h"

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

}  // namespace

QByteArray WavTone::bytes(int milliseconds, double frequencyHz, int sampleRate)
{
    const int samples =
        static_cast<int>(qint64(sampleRate) * milliseconds / kMillisecondsPerSecond);
    const quint32 dataSize = quint32(samples) * kBytesPerSample * kChannels;

    QByteArray out;
    out.reserve(int(kRiffHeaderRest + 8 + dataSize));
    out.append("RIFF");
    appendLittleEndian<quint32>(out, kRiffHeaderRest + dataSize);
    out.append("WAVE");
    out.append("fmt ");
    appendLittleEndian<quint32>(out, kFmtChunkSize);
    appendLittleEndian<quint16>(out, kPcmFormat);
    appendLittleEndian<quint16>(out, kChannels);
    appendLittleEndian<quint32>(out, quint32(sampleRate));
    appendLittleEndian<quint32>(out, quint32(sampleRate) * kBytesPerSample * kChannels);
    appendLittleEndian<quint16>(out, kBytesPerSample * kChannels);
    appendLittleEndian<quint16>(out, kBitsPerSample);
    out.append("data");
    appendLittleEndian<quint32>(out, dataSize);
    for (int i = 0; i < samples; ++i) {
        const int edge = std::min(i, samples - 1 - i);
        const double fade = edge < kFadeSamples ? double(edge) / kFadeSamples : 1.0;
        const double value =
            kAmplitude * fade * std::sin(2.0 * std::numbers::pi * frequencyHz * i / sampleRate);
        appendLittleEndian<quint16>(out, quint16(qint16(std::lround(value))));
    }
    return out;
}
