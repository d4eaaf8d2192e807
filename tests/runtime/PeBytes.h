#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

// The headers of a PE file, built byte by byte: a DOS header pointing at the PE signature, a file
// header and a section table, with the given sections (raw offset, raw size), zero-padded to
// `length`.
struct PeBytes {
    static constexpr std::size_t kPeOffset = 0x80;
    static constexpr std::size_t kFileHeader = kPeOffset + 4;
    static constexpr std::size_t kOptionalHeaderSize = 0xF0;
    static constexpr std::size_t kSectionTable = kFileHeader + 20 + kOptionalHeaderSize;
    static constexpr std::size_t kSectionEntrySize = 40;

    // Writes `value` little-endian in `size` bytes at `at`, growing the bytes when needed.
    static void put(std::string& bytes, std::size_t at, std::uint64_t value, int size)
    {
        if (bytes.size() < at + std::size_t(size)) {
            bytes.resize(at + std::size_t(size), '\0');
        }
        for (int i = 0; i < size; ++i) {
            bytes[at + std::size_t(i)] = char(value >> (8 * i) & 0xFF);
        }
    }

    static std::string file(std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> sections,
                            std::size_t length)
    {
        std::string bytes(length, '\0');
        put(bytes, 0, 0x5A4D, 2);
        put(bytes, 0x3C, kPeOffset, 4);
        put(bytes, kPeOffset, 0x00004550, 4);
        put(bytes, kFileHeader + 2, sections.size(), 2);
        put(bytes, kFileHeader + 16, kOptionalHeaderSize, 2);
        std::size_t entry = kSectionTable;
        for (const auto& [offset, size] : sections) {
            put(bytes, entry + 16, size, 4);
            put(bytes, entry + 20, offset, 4);
            entry += kSectionEntrySize;
        }
        return bytes;
    }
};
