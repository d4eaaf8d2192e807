#include "ElfExtent.h"

#include <QtEndian>

#include <algorithm>

namespace {

constexpr char kMagic[] =
    "\x7f"
    "ELF";
constexpr qsizetype kMagicSize = 4;
constexpr qsizetype kClassOffset = 4;
constexpr char kClass64 = 2;
constexpr qsizetype kDataOffset = 5;
constexpr char kLittleEndian = 1;
constexpr qsizetype kHeaderSize = 64;
constexpr qsizetype kProgramTableOffset = 0x20;
constexpr qsizetype kSectionTableOffset = 0x28;
constexpr qsizetype kProgramEntrySize = 0x36;
constexpr qsizetype kProgramCount = 0x38;
constexpr qsizetype kSectionEntrySize = 0x3A;
constexpr qsizetype kSectionCount = 0x3C;
constexpr qsizetype kSegmentOffset = 0x08;
constexpr qsizetype kSegmentFileSize = 0x20;
constexpr qsizetype kSectionType = 0x04;
constexpr qsizetype kSectionOffset = 0x18;
constexpr qsizetype kSectionSize = 0x20;
constexpr quint32 kNoBits = 8;

template <typename T>
T field(QByteArrayView file, quint64 at)
{
    return qFromLittleEndian<T>(file.data() + at);
}

// The end of a table of `count` entries, or nothing when it lies outside the file.
std::optional<quint64> tableEnd(QByteArrayView file, quint64 offset, quint64 entrySize,
                                quint64 count, quint64 minimumEntry)
{
    const quint64 size = quint64(file.size());
    if (count == 0) {
        return offset <= size ? std::optional<quint64>(offset) : std::nullopt;
    }
    if (entrySize < minimumEntry || offset > size || count > (size - offset) / entrySize) {
        return std::nullopt;
    }
    return offset + count * entrySize;
}

}  // namespace

std::optional<qint64> ElfExtent::end(QByteArrayView file)
{
    if (file.size() < kHeaderSize || file.first(kMagicSize) != QByteArrayView(kMagic) ||
        file[kClassOffset] != kClass64 || file[kDataOffset] != kLittleEndian) {
        return std::nullopt;
    }
    const quint64 size = quint64(file.size());
    const quint64 programs = field<quint64>(file, kProgramTableOffset);
    const quint16 programSize = field<quint16>(file, kProgramEntrySize);
    const quint16 programCount = field<quint16>(file, kProgramCount);
    const quint64 sections = field<quint64>(file, kSectionTableOffset);
    const quint16 sectionSize = field<quint16>(file, kSectionEntrySize);
    const quint16 sectionCount = field<quint16>(file, kSectionCount);

    const auto programEnd =
        tableEnd(file, programs, programSize, programCount, kSegmentFileSize + sizeof(quint64));
    const auto sectionEnd =
        tableEnd(file, sections, sectionSize, sectionCount, kSectionSize + sizeof(quint64));
    if (!programEnd || !sectionEnd) {
        return std::nullopt;
    }
    quint64 end = std::max({quint64(kHeaderSize), *programEnd, *sectionEnd});
    for (quint16 i = 0; i < programCount; ++i) {
        const quint64 entry = programs + quint64(i) * programSize;
        const quint64 offset = field<quint64>(file, entry + kSegmentOffset);
        const quint64 length = field<quint64>(file, entry + kSegmentFileSize);
        if (offset > size || length > size - offset) {
            return std::nullopt;
        }
        end = std::max(end, offset + length);
    }
    for (quint16 i = 0; i < sectionCount; ++i) {
        const quint64 entry = sections + quint64(i) * sectionSize;
        if (field<quint32>(file, entry + kSectionType) == kNoBits) {
            continue;
        }
        const quint64 offset = field<quint64>(file, entry + kSectionOffset);
        const quint64 length = field<quint64>(file, entry + kSectionSize);
        if (offset > size || length > size - offset) {
            return std::nullopt;
        }
        end = std::max(end, offset + length);
    }
    return qint64(end);
}
