#pragma once

#include <QByteArrayView>

// The type of a music or sound file, told by its own bytes, never by its name.
class AudioFileType {
public:
    enum class Kind { Midi, Wave, Unknown };

    static constexpr QByteArrayView kMidiMagic = "MThd";
    static constexpr QByteArrayView kRiffMagic = "RIFF";
    static constexpr QByteArrayView kWaveMagic = "WAVE";
    static constexpr qsizetype kWaveMagicOffset = 8;

    // "MThd" at the start: MIDI; "RIFF" then the size then "WAVE": WAV.
    static Kind of(QByteArrayView bytes);
};
