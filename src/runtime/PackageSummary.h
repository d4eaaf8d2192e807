#pragma once

#include "document/PackageReader.h"

#include <cstdint>
#include <string>

// The summary that `--check` prints: the saver's own texts, the canvas, the music and every
// slide's fields with the sizes of the blocks it uses, as an indented JSON document with its
// keys in alphabetical order (UTF-8, ending with a newline).
class PackageSummary {
public:
    // What the builder wrote into this copy of the runtime.
    struct Identity {
        std::string title;    // UTF-8
        std::string version;  // UTF-8
        int iconWidth = 0;
    };

    static std::string text(const PackageView& package, const Identity& identity,
                            std::int64_t fileSize);
};
