#include "runtime/windows/PeExtent.h"

#include <algorithm>

namespace {

constexpr std::uint64_t kDosMagic = 0x5A4D;         // "MZ"
constexpr std::uint64_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint64_t kDosHeaderSize = 0x40;
constexpr std::uint64_t kPeOffsetField = 0x3C;
constexpr std::uint64_t kSignatureSize = 4;
constexpr std::uint64_t kFileHeaderSize = 20;
constexpr std::uint64_t kSectionCountField = 2;
constexpr std::uint64_t kSymbolTableField = 8;
constexpr std::uint64_t kSymbolCountField = 12;
constexpr std::uint64_t kOptionalHeaderSizeField = 16;
constexpr std::uint64_t kSectionEntrySize = 40;
constexpr std::uint64_t kSectionRawSizeField = 16;
constexpr std::uint64_t kSectionRawOffsetField = 20;
constexpr std::uint64_t kSymbolSize = 18;
constexpr std::uint64_t kStringTableSizeField = 4;

// A little-endian field of `size` bytes at `at`, or nothing when it lies outside the file.
std::optional<std::uint64_t> field(std::string_view file, std::uint64_t at, std::uint64_t size)
{
    if (at > file.size() || size > file.size() - at) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (std::uint64_t i = size; i > 0; --i) {
        value = value << 8 | static_cast<unsigned char>(file[at + i - 1]);
    }
    return value;
}

}  // namespace

std::optional<std::int64_t> PeExtent::end(std::string_view file)
{
    const auto dosMagic = field(file, 0, 2);
    const auto peOffset = field(file, kPeOffsetField, 4);
    if (!dosMagic || *dosMagic != kDosMagic || !peOffset || *peOffset < kDosHeaderSize) {
        return std::nullopt;
    }
    const auto signature = field(file, *peOffset, kSignatureSize);
    const std::uint64_t header = *peOffset + kSignatureSize;
    const auto sections = field(file, header + kSectionCountField, 2);
    const auto symbols = field(file, header + kSymbolTableField, 4);
    const auto symbolCount = field(file, header + kSymbolCountField, 4);
    const auto optionalSize = field(file, header + kOptionalHeaderSizeField, 2);
    if (!signature || *signature != kPeSignature || !sections || !symbols || !symbolCount ||
        !optionalSize) {
        return std::nullopt;
    }
    const std::uint64_t table = header + kFileHeaderSize + *optionalSize;
    const std::uint64_t tableEnd = table + *sections * kSectionEntrySize;
    if (tableEnd > file.size()) {
        return std::nullopt;
    }
    std::uint64_t end = tableEnd;
    for (std::uint64_t i = 0; i < *sections; ++i) {
        const std::uint64_t entry = table + i * kSectionEntrySize;
        const std::uint64_t size = *field(file, entry + kSectionRawSizeField, 4);
        const std::uint64_t offset = *field(file, entry + kSectionRawOffsetField, 4);
        if (size != 0) {
            end = std::max(end, offset + size);
        }
    }
    if (*symbols != 0) {
        // The string table follows the symbols and starts with its own size.
        const std::uint64_t strings = *symbols + *symbolCount * kSymbolSize;
        const auto stringsSize = field(file, strings, kStringTableSizeField);
        end = std::max(end, strings + (stringsSize ? *stringsSize : 0));
    }
    return std::int64_t(end);
}
