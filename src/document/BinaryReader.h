#pragma once

#include <cstdint>
#include <string_view>

// Reads the fields of the program's binary files from bytes it does not own. Every read is
// bounds-checked; the first read that runs past the end marks the reader failed, and from then
// on every read gives 0 or an empty view without moving. A parse therefore reads its fields in
// a straight line and checks failed() once. Nothing is allocated: texts and blocks are views
// into the bytes. Numbers are little-endian.
class BinaryReader {
public:
    // The descriptor of an array: a 16-bit dimension count, then per dimension a 32-bit element
    // count and a 32-bit first index. Only the forms the program writes are read in full: no
    // dimensions, or one; for any other dimension count only `dimensions` is set.
    struct ArrayHeader {
        std::int16_t dimensions = 0;
        std::int32_t count = 0;
        std::int32_t firstIndex = 0;

        bool isPlainList() const { return dimensions == 1 && firstIndex == 0 && count >= 0; }
    };

    explicit BinaryReader(std::string_view bytes) : bytes_(bytes) {}

    bool failed() const { return failed_; }
    std::int64_t position() const { return static_cast<std::int64_t>(position_); }
    std::int64_t remaining() const { return static_cast<std::int64_t>(bytes_.size() - position_); }

    std::int16_t int16();
    std::int32_t int32();
    std::uint32_t uint32();
    std::string_view bytes(std::int64_t count);
    // A 16-bit byte count and that many bytes.
    std::string_view text();
    ArrayHeader arrayHeader();

private:
    template <typename T>
    T number();

    std::string_view bytes_;
    std::size_t position_ = 0;
    bool failed_ = false;
};
