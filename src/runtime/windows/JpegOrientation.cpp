#include "runtime/windows/JpegOrientation.h"

#include "runtime/windows/ExifOrientation.h"

#include <cstdint>
#include <optional>

namespace {

constexpr unsigned char kMarker = 0xFF;
constexpr unsigned char kStartOfImage = 0xD8;
constexpr unsigned char kStartOfScan = 0xDA;
constexpr unsigned char kExifSegment = 0xE1;  // APP1
constexpr std::string_view kExifHeader("Exif\0\0", 6);
constexpr std::string_view kLittleEndian = "II";
constexpr std::string_view kBigEndian = "MM";
constexpr std::uint32_t kTiffMagic = 42;
constexpr std::uint32_t kOrientationTag = 274;
constexpr std::uint32_t kShortType = 3;
constexpr std::size_t kSegmentHeader = 4;  // marker and length
constexpr std::size_t kIfdEntrySize = 12;
constexpr std::size_t kIfdCountSize = 2;

// Whole numbers of an Exif block in its own byte order; nothing past the end.
class ExifBytes {
public:
    ExifBytes(std::string_view bytes, bool little) : bytes_(bytes), little_(little) {}

    std::optional<std::uint32_t> number(std::size_t at, std::size_t size) const
    {
        if (at > bytes_.size() || size > bytes_.size() - at) {
            return std::nullopt;
        }
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < size; ++i) {
            const auto byte = static_cast<unsigned char>(bytes_[at + (little_ ? size - 1 - i : i)]);
            value = value << 8 | byte;
        }
        return value;
    }

private:
    std::string_view bytes_;
    bool little_;
};

int orientationInTiff(std::string_view tiff)
{
    const std::string_view order = tiff.substr(0, kLittleEndian.size());
    if (order != kLittleEndian && order != kBigEndian) {
        return ExifOrientation::kUpright;
    }
    const ExifBytes exif(tiff, order == kLittleEndian);
    const auto magic = exif.number(2, 2);
    const auto ifd = exif.number(4, 4);
    const auto count = ifd ? exif.number(*ifd, kIfdCountSize) : std::nullopt;
    if (!magic || *magic != kTiffMagic || !count) {
        return ExifOrientation::kUpright;
    }
    for (std::uint32_t i = 0; i < *count; ++i) {
        const std::size_t entry = *ifd + kIfdCountSize + i * kIfdEntrySize;
        const auto tag = exif.number(entry, 2);
        const auto type = exif.number(entry + 2, 2);
        const auto value = exif.number(entry + 8, 2);
        if (!tag || !type || !value) {
            return ExifOrientation::kUpright;
        }
        if (*tag == kOrientationTag) {
            return *type == kShortType && *value >= 1 && *value <= ExifOrientation::kLast
                       ? int(*value)
                       : ExifOrientation::kUpright;
        }
    }
    return ExifOrientation::kUpright;
}

}  // namespace

int JpegOrientation::read(std::string_view file)
{
    const auto byte = [&file](std::size_t at) { return static_cast<unsigned char>(file[at]); };
    if (file.size() < 2 || byte(0) != kMarker || byte(1) != kStartOfImage) {
        return ExifOrientation::kUpright;
    }
    std::size_t at = 2;
    // The Exif block comes among the segments before the image data.
    while (at + kSegmentHeader <= file.size() && byte(at) == kMarker) {
        const unsigned char kind = byte(at + 1);
        if (kind == kStartOfScan) {
            break;
        }
        const std::size_t length = std::size_t(byte(at + 2)) << 8 | byte(at + 3);
        if (length < 2 || length > file.size() - at - 2) {
            break;
        }
        const std::string_view body = file.substr(at + kSegmentHeader, length - 2);
        if (kind == kExifSegment && body.starts_with(kExifHeader)) {
            return orientationInTiff(body.substr(kExifHeader.size()));
        }
        at += 2 + length;
    }
    return ExifOrientation::kUpright;
}
