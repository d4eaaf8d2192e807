#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Where a PE executable's own bytes end: the furthest end of its headers, section data and
// symbol table. Whatever follows in the file (padding, a saver package) is not part of the
// program. Nothing when the bytes are not a well-formed PE file.
class PeExtent {
public:
    static std::optional<std::int64_t> end(std::string_view file);
};
