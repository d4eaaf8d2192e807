#include "runtime/windows/JpegOrientation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

const std::string kStart = "\xFF\xD8"s;
const std::string kScan = "\xFF\xDA\x00\x02"s;

// An APP1 segment holding an Exif block with one IFD entry: `tag` of `type` with `value`.
std::string exifSegment(bool little, int tag, int type, int value)
{
    const auto two = [little](int v) {
        const char high = char(v >> 8 & 0xFF);
        const char low = char(v & 0xFF);
        return little ? std::string{low, high} : std::string{high, low};
    };
    const auto four = [little](int v) {
        std::string bytes;
        for (int i = 0; i < 4; ++i) {
            bytes += char(v >> (8 * (little ? i : 3 - i)) & 0xFF);
        }
        return bytes;
    };
    std::string tiff = (little ? "II"s : "MM"s) + two(42) + four(8);
    tiff += two(1) + two(tag) + two(type) + four(1) + two(value) + two(0) + four(0);
    const std::string body = "Exif\0\0"s + tiff;
    const int length = int(body.size()) + 2;
    return "\xFF\xE1"s + char(length >> 8) + char(length & 0xFF) + body;
}

// Another segment before the Exif block (a JFIF header, say).
std::string otherSegment()
{
    return "\xFF\xE0\x00\x07JFIF\0"s;
}

TEST(JpegOrientationTest, ReadsTheTagInEitherByteOrder)
{
    for (int value = 1; value <= 8; ++value) {
        EXPECT_EQ(JpegOrientation::read(kStart + exifSegment(true, 274, 3, value) + kScan), value);
        EXPECT_EQ(JpegOrientation::read(kStart + otherSegment() +
                                        exifSegment(false, 274, 3, value) + kScan),
                  value);
    }
}

TEST(JpegOrientationTest, WithoutAUsableTagThePictureIsUpright)
{
    EXPECT_EQ(JpegOrientation::read(kStart + otherSegment() + kScan), 1);
    EXPECT_EQ(JpegOrientation::read(kStart + exifSegment(true, 275, 3, 6) + kScan), 1);
    EXPECT_EQ(JpegOrientation::read(kStart + exifSegment(true, 274, 4, 6) + kScan), 1);
    EXPECT_EQ(JpegOrientation::read(kStart + exifSegment(true, 274, 3, 9) + kScan), 1);
    EXPECT_EQ(JpegOrientation::read(kStart + exifSegment(true, 274, 3, 0) + kScan), 1);
    // An Exif block behind the image data is not looked at.
    EXPECT_EQ(JpegOrientation::read(kStart + kScan + exifSegment(true, 274, 3, 6)), 1);
    // Not a JPEG at all.
    EXPECT_EQ(JpegOrientation::read("BM" + exifSegment(true, 274, 3, 6)), 1);
    EXPECT_EQ(JpegOrientation::read(""), 1);
}

TEST(JpegOrientationTest, CutOrMisleadingBlocksAreReadNoFurtherThanTheirBytes)
{
    const std::string whole = kStart + exifSegment(true, 274, 3, 6);
    // Every shorter file: whatever is cut, the answer is upright or the tag, never a read
    // beyond the end (which the sanitizers would catch).
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const int orientation = JpegOrientation::read(whole.substr(0, size));
        EXPECT_TRUE(orientation == 1 || orientation == 6) << size;
    }
    EXPECT_EQ(JpegOrientation::read(whole.substr(0, whole.size() - 1)), 1);
    // A segment length running past the end of the file.
    std::string tooLong = whole;
    tooLong[4] = '\x7F';
    EXPECT_EQ(JpegOrientation::read(tooLong), 1);
    // An IFD offset far outside the block.
    std::string farIfd = whole;
    farIfd[2 + 4 + 6 + 4] = '\x7F';
    EXPECT_EQ(JpegOrientation::read(farIfd), 1);
}

}  // namespace
