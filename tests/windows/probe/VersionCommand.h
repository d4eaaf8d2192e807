#pragma once

#include <string>

// Prints the ten version strings of FILE's version information, read the way Windows' file
// properties read them: one "Key=Value" line each, in the order of kVersionKeys. Keys the file
// lacks are left out. Returns the exit status (0, or 1 when FILE has no version information).
int versionCommand(const std::wstring& file);
