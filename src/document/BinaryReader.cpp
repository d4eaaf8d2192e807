#include "document/BinaryReader.h"

#include <climits>
#include <type_traits>

template <typename T>
T BinaryReader::number()
{
    using Unsigned = std::make_unsigned_t<T>;
    if (failed_ || remaining() < std::int64_t(sizeof(T))) {
        failed_ = true;
        return T(0);
    }
    Unsigned value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        value |= static_cast<Unsigned>(static_cast<unsigned char>(bytes_[position_ + i]))
                 << (CHAR_BIT * i);
    }
    position_ += sizeof(T);
    return static_cast<T>(value);
}

std::int16_t BinaryReader::int16()
{
    return number<std::int16_t>();
}

std::int32_t BinaryReader::int32()
{
    return number<std::int32_t>();
}

std::uint32_t BinaryReader::uint32()
{
    return number<std::uint32_t>();
}

std::string_view BinaryReader::bytes(std::int64_t count)
{
    if (failed_ || count < 0 || count > remaining()) {
        failed_ = true;
        return {};
    }
    const std::string_view view = bytes_.substr(position_, static_cast<std::size_t>(count));
    position_ += static_cast<std::size_t>(count);
    return view;
}

std::string_view BinaryReader::text()
{
    const auto count = number<std::uint16_t>();
    return bytes(count);
}

BinaryReader::ArrayHeader BinaryReader::arrayHeader()
{
    ArrayHeader header;
    header.dimensions = int16();
    if (failed_ || header.dimensions != 1) {
        return header;
    }
    header.count = int32();
    header.firstIndex = int32();
    return header;
}
