#pragma once

#include <QByteArray>

// The bytes of a RIFF/WAVE file holding a sine tone: PCM, 16-bit, mono.
class WavTone {
public:
    static constexpr int kDefaultSampleRate = 22050;

    static QByteArray bytes(int milliseconds, double frequencyHz,
                            int sampleRate = kDefaultSampleRate);
};
