#pragma once

#include <string>

// What the builder wrote into a copy of the runtime, read back through the file's version
// resource: the description (the window title) and the version. Empty texts when the file has
// no readable version resource.
struct OwnVersionTexts {
    std::wstring title;    // FileDescription
    std::wstring version;  // FileVersion

    static OwnVersionTexts read(const std::wstring& path);
};
