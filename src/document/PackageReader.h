#pragma once

#include "document/ExpectedOf.h"
#include "document/SlideSettings.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One slide of a package: its settings, with its image and sound resolved to the blocks that
// hold them.
struct PackageSlide : SlideSettings {
    std::string imageRef;
    std::string soundPath;       // "3.wav" or empty
    int imageHolder = 0;         // index of the slide whose block holds the image bytes
    int soundHolder = -1;        // -1 when the slide has no sound
    std::string_view imageData;  // the holder's bytes (views into the package, never copies)
    std::string_view soundData;
};

// A validated package: views into the caller's bytes, which must outlive it.
struct PackageView {
    std::int32_t CanvasWidth = 0;
    std::int32_t CanvasHeight = 0;
    std::uint32_t BackColor = 0;
    std::int16_t SoundSwitchable = 0;
    std::string bgmName;
    std::string_view bgmData;
    std::vector<PackageSlide> slides;
    std::int32_t PackageSize = 0;
};

// Checks everything before use: counts against the bytes left, keys that point at the same or
// an earlier slide holding data, PackageSize equal to the bytes read. Refusals are errors with
// a message; nothing is allocated from a count in the file before it has been checked.
class PackageReader {
public:
    // bytes = exactly one package.
    static CoreExpected<PackageView> read(std::string_view bytes);
    // bytes = a whole file that ends with a package (a built screen saver).
    static CoreExpected<PackageView> readTrailing(std::string_view file);
};
