#include "PeBytes.h"
#include "runtime/windows/PeExtent.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

std::string peFile(std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> sections,
                   std::size_t length)
{
    return PeBytes::file(sections, length);
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
    PeBytes::put(program, PeBytes::kFileHeader + 8, 0x600, 4);  // symbols at 0x600
    PeBytes::put(program, PeBytes::kFileHeader + 12, 2, 4);     // two of 18 bytes
    PeBytes::put(program, 0x600 + 36, 0x40, 4);                 // then 0x40 bytes of strings
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
    noSignature[PeBytes::kPeOffset] = 'N';
    EXPECT_FALSE(PeExtent::end(noSignature));
    // The section table runs past the end of the bytes.
    const std::string cut = peFile({{0x400, 0x200}}, 0x600).substr(0, PeBytes::kSectionTable + 20);
    EXPECT_FALSE(PeExtent::end(cut));
    // A header offset pointing beyond the file.
    std::string farHeader = peFile({{0x400, 0x200}}, 0x600);
    PeBytes::put(farHeader, 0x3C, 0xFFFFFFF0u, 4);
    EXPECT_FALSE(PeExtent::end(farHeader));
}

}  // namespace
