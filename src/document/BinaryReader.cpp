#include "BinaryReader.h"

#include <QtEndian>

template <typename T>
std::optional<T> BinaryReader::number()
{
    if (remaining() < qsizetype(sizeof(T))) {
        return std::nullopt;
    }
    const T value = qFromLittleEndian<T>(bytes_.data() + position_);
    position_ += sizeof(T);
    return value;
}

std::optional<qint16> BinaryReader::int16()
{
    return number<qint16>();
}

std::optional<qint32> BinaryReader::int32()
{
    return number<qint32>();
}

std::optional<quint32> BinaryReader::uint32()
{
    return number<quint32>();
}

std::optional<QByteArrayView> BinaryReader::bytes(qsizetype count)
{
    if (count < 0 || count > remaining()) {
        return std::nullopt;
    }
    const QByteArrayView view = bytes_.sliced(position_, count);
    position_ += count;
    return view;
}

std::optional<QByteArrayView> BinaryReader::text()
{
    const std::optional<quint16> count = number<quint16>();
    if (!count) {
        return std::nullopt;
    }
    return bytes(*count);
}

std::optional<BinaryReader::ArrayHeader> BinaryReader::arrayHeader()
{
    ArrayHeader header;
    const std::optional<qint16> dimensions = int16();
    if (!dimensions) {
        return std::nullopt;
    }
    header.dimensions = *dimensions;
    if (header.dimensions != 1) {
        return header;
    }
    const std::optional<qint32> count = int32();
    const std::optional<qint32> firstIndex = int32();
    if (!count || !firstIndex) {
        return std::nullopt;
    }
    header.count = *count;
    header.firstIndex = *firstIndex;
    return header;
}
