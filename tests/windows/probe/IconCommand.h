#pragma once

#include <string>

// Prints the first icon of FILE as Windows' shell extracts it: a line "WIDTHxHEIGHT", then the
// colour pixels, one line per row (PixelGrid::hexRows). Returns the exit status (0, or 1 when
// FILE has no icon).
int iconCommand(const std::wstring& file);
