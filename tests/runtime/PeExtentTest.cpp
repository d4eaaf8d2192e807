#include "runtime/windows/PeExtent.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

constexpr std::size_t kPeOffset = 0x80;
constexpr std::size_t kOptionalHeaderSize = 0xF0;
constexpr std::size_t kSectionTable = kPeOffset + 4 + 20 + kOptionalHeaderSize;

void put(std::string& bytes, std::size_t at, std::uint64_t value, int size)
{
    if (bytes.size() < at + std::size_t(size)) {
        bytes.resize(at + std::size_t(size), '\0');
    }
    for (int i = 0; i < size; ++i) {
        bytes[at + std::size_t(i)] = char(value >> (8 * i) & 0xFF);
    }
}

// A PE file's headers with the given sections (raw offset, raw size), padded to `length`.
std::string peFile(std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> sections,
                   std::size_t length)
{
    std::string bytes(length, '\0');
    put(bytes, 0, 0x5A4D, 2);
    put(bytes, 0x3C, kPeOffset, 4);
    put(bytes, kPeOffset, 0x00004550, 4);
    put(bytes, kPeOffset + 4 + 2, sections.size(), 2);
    put(bytes, kPeOffset + 4 + 16, kOptionalHeaderSize, 2);
    std::size_t entry = kSectionTable;
    for (const auto& [offset, size] : sections) {
        put(bytes, entry + 16, size, 4);
        put(bytes, entry + 20, offset, 4);
        entry += 40;
    }
    return bytes;
}

TEST(PeExtentTest, EndsAtTheFurthestSectionWhateverFollows)
{
    const std::string program = peFile({{0x400, 0x200}, {0x600, 0x1000}, {0x1600, 0x80}}, 0x2000);
    EXPECT_EQ(PeExtent::end(program), 0x1680);
    // Sections out of order, and a package behind the program, change nothing.
    std::string withPackage = peFile({{0x1600, 0x80}, {0x400, 0x200}}, 0x1680);
    withPackage += std::string(5000, 'p');
    EXPECT_EQ(PeExtent::end(withPackage), 0x1680);
}

TEST(PeExtentTest, EmptySectionsDoNotCount)
{
    const std::string program = peFile({{0x400, 0x200}, {0x9000, 0}}, 0x800);
    EXPECT_EQ(PeExtent::end(program), 0x600);
}

TEST(PeExtentTest, TheSymbolTableAndItsStringsArePartOfTheProgram)
{
    std::string program = peFile({{0x400, 0x200}}, 0x700);
    put(program, kPeOffset + 4 + 8, 0x600, 4);  // symbols at 0x600
    put(program, kPeOffset + 4 + 12, 2, 4);     // two of 18 bytes
    put(program, 0x600 + 36, 0x40, 4);          // then 0x40 bytes of strings
    EXPECT_EQ(PeExtent::end(program), 0x600 + 36 + 0x40);
}

TEST(PeExtentTest, RefusesWhatIsNotAWholePeFile)
{
    EXPECT_FALSE(PeExtent::end(""));
    EXPECT_FALSE(PeExtent::end(std::string(0x40, 'M')));
    std::string elf = peFile({{0x400, 0x200}}, 0x600);
    elf[0] = '\x7f';
    EXPECT_FALSE(PeExtent::end(elf));
    std::string noSignature = peFile({{0x400, 0x200}}, 0x600);
    noSignature[kPeOffset] = 'N';
    EXPECT_FALSE(PeExtent::end(noSignature));
    // The section table runs past the end of the bytes.
    const std::string cut = peFile({{0x400, 0x200}}, 0x600).substr(0, kSectionTable + 20);
    EXPECT_FALSE(PeExtent::end(cut));
    // A header offset pointing beyond the file.
    std::string farHeader = peFile({{0x400, 0x200}}, 0x600);
    put(farHeader, 0x3C, 0xFFFFFFF0u, 4);
    EXPECT_FALSE(PeExtent::end(farHeader));
}

}  // namespace
