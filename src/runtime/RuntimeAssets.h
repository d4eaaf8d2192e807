#pragma once

#include <cstddef>

// Bytes built into the runtime (generated at build time by kremoa-runtime-assets):
// versionBlock holds the version texts that the builder rewrites in a copy of this program;
// saverIcon is the default icon "scricon.ico", whose image data the builder swaps for the
// user's icon. Both sit at even offsets of the executable's file.
namespace RuntimeAssets {

extern const unsigned char versionBlock[];
extern const std::size_t versionBlockSize;
extern const unsigned char saverIcon[];
extern const std::size_t saverIconSize;

}  // namespace RuntimeAssets
