#pragma once

#include "platform/StopSignals.h"

#include <cstddef>

// The seam between the saver's launcher, which links only the C and C++ libraries, and the
// runtime's core library (Qt, SDL, the player), which the launcher loads from its own bytes once
// the stop signals are handled.
struct RuntimeStart {
    StopSignals::Handle stop;
    // The icon file the runtime was built with; it lives in the launcher's part of the file.
    const unsigned char* defaultIcon = nullptr;
    std::size_t defaultIconSize = 0;
};

using RuntimeEntry = int (*)(int argc, char** argv, const RuntimeStart* start);
inline constexpr const char* kRuntimeEntryName = "kremoa_runtime_main";
