#include "platform/AudioFileType.h"

AudioFileType::Kind AudioFileType::of(QByteArrayView bytes)
{
    if (bytes.startsWith(kMidiMagic)) {
        return Kind::Midi;
    }
    if (bytes.startsWith(kRiffMagic) &&
        bytes.sliced(std::min(kWaveMagicOffset, bytes.size())).startsWith(kWaveMagic)) {
        return Kind::Wave;
    }
    return Kind::Unknown;
}
