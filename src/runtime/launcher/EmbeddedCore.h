#pragma once

#include "runtime/RuntimeEntry.h"

#include <string>

// The runtime's core library, whose bytes this executable carries: written to an anonymous
// in-memory file and loaded from there, so a saver stays one self-contained file.
class EmbeddedCore {
public:
    // The core's entry, or nullptr with `error` saying why it could not be loaded.
    static RuntimeEntry load(std::string& error);
};
