#pragma once

#include <string_view>

// The orientation tag (274) of a JPEG file's Exif block, read from the file's bytes: 1 to 8 as
// stored, 1 (upright) when the bytes are no JPEG, carry no Exif block or no such tag, or when
// anything in the way is cut short. Wine's imaging component has no metadata reader for JPEG,
// so the saver reads the tag itself, the same way everywhere.
class JpegOrientation {
public:
    static int read(std::string_view file);
};
