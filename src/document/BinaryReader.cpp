#include "BinaryReader.h"

#include <QtEndian>

template <typename T>
T BinaryReader::number()
{
    if (failed_ || remaining() < qsizetype(sizeof(T))) {
        failed_ = true;
        return T(0);
    }
    const T value = qFromLittleEndian<T>(bytes_.data() + position_);
    position_ += sizeof(T);
    return value;
}

qint16 BinaryReader::int16()
{
    return number<qint16>();
}

qint32 BinaryReader::int32()
{
    return number<qint32>();
}

quint32 BinaryReader::uint32()
{
    return number<quint32>();
}

QByteArrayView BinaryReader::bytes(qsizetype count)
{
    if (failed_ || count < 0 || count > remaining()) {
        failed_ = true;
        return {};
    }
    const QByteArrayView view = bytes_.sliced(position_, count);
    position_ += count;
    return view;
}

QByteArrayView BinaryReader::text()
{
    const quint16 count = number<quint16>();
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
