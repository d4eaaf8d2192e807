#pragma once

#include <QByteArray>
#include <QList>

// The bytes of a Standard MIDI File, format 0, one track, written byte by byte.
class MidiTune {
public:
    struct Note {
        int key;    // MIDI note number, 60 = middle C
        int beats;  // length in quarter notes
    };
    static constexpr int kTicksPerQuarter = 480;
    static constexpr int kDefaultTempoBpm = 120;
    static constexpr int kDefaultProgram = 0;  // acoustic grand piano

    static QByteArray bytes(const QList<Note>& notes, int tempoBpm = kDefaultTempoBpm,
                            int program = kDefaultProgram);
    // A short scale of the given number of notes, for tests that only need some music.
    static QByteArray scale(int noteCount);
};
