#include "MidiTune.h"

namespace {

constexpr quint8 kNoteOn = 0x90;
constexpr quint8 kNoteOff = 0x80;
constexpr quint8 kProgramChange = 0xC0;
constexpr quint8 kMetaEvent = 0xFF;
constexpr quint8 kMetaTempo = 0x51;
constexpr quint8 kMetaEndOfTrack = 0x2F;
constexpr quint8 kVelocity = 96;
constexpr quint32 kMicrosecondsPerMinute = 60'000'000;
constexpr int kRest = 0;  // a note with key 0 is silence
constexpr int kMiddleC = 60;

void appendBigEndian(QByteArray& out, quint32 value, int width)
{
    for (int shift = (width - 1) * 8; shift >= 0; shift -= 8) {
        out.append(char((value >> shift) & 0xFF));
    }
}

// Delta times are variable-length quantities: 7 bits per byte, high bit = more follows.
void appendVariableLength(QByteArray& out, quint32 value)
{
    QByteArray reversed;
    reversed.append(char(value & 0x7F));
    while ((value >>= 7) != 0) {
        reversed.append(char((value & 0x7F) | 0x80));
    }
    for (auto it = reversed.crbegin(); it != reversed.crend(); ++it) {
        out.append(*it);
    }
}

}  // namespace

QByteArray MidiTune::bytes(const QList<Note>& notes, int tempoBpm, int program)
{
    QByteArray track;
    appendVariableLength(track, 0);
    track.append(char(kMetaEvent)).append(char(kMetaTempo)).append(char(3));
    appendBigEndian(track, kMicrosecondsPerMinute / quint32(tempoBpm), 3);
    appendVariableLength(track, 0);
    track.append(char(kProgramChange)).append(char(program));

    quint32 pending = 0;  // ticks since the last event
    for (const Note& note : notes) {
        const quint32 length = quint32(note.beats * kTicksPerQuarter);
        if (note.key == kRest) {
            pending += length;
            continue;
        }
        appendVariableLength(track, pending);
        track.append(char(kNoteOn)).append(char(note.key)).append(char(kVelocity));
        appendVariableLength(track, length);
        track.append(char(kNoteOff)).append(char(note.key)).append(char(0));
        pending = 0;
    }
    appendVariableLength(track, pending);
    track.append(char(kMetaEvent)).append(char(kMetaEndOfTrack)).append(char(0));

    QByteArray out("MThd");
    appendBigEndian(out, 6, 4);
    appendBigEndian(out, 0, 2);  // format 0
    appendBigEndian(out, 1, 2);  // one track
    appendBigEndian(out, kTicksPerQuarter, 2);
    out.append("MTrk");
    appendBigEndian(out, quint32(track.size()), 4);
    out.append(track);
    return out;
}

QByteArray MidiTune::scale(int noteCount)
{
    static constexpr int kMajorSteps[] = {0, 2, 4, 5, 7, 9, 11};
    constexpr int kStepsPerOctave = 7;
    QList<Note> notes;
    for (int i = 0; i < noteCount; ++i) {
        const int octave = i / kStepsPerOctave;
        notes.append(Note{kMiddleC + 12 * octave + kMajorSteps[i % kStepsPerOctave], 1});
    }
    return bytes(notes);
}
