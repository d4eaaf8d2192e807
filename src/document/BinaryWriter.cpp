#include "BinaryWriter.h"

#include "document/LittleEndian.h"

namespace {

constexpr qint16 kOneDimension = 1;
constexpr qint32 kFirstIndex = 0;

}  // namespace

void BinaryWriter::int16(qint16 value)
{
    appendLittleEndian(out_, value);
}

void BinaryWriter::int32(qint32 value)
{
    appendLittleEndian(out_, value);
}

void BinaryWriter::uint32(quint32 value)
{
    appendLittleEndian(out_, value);
}

void BinaryWriter::text(QByteArrayView bytes)
{
    const QByteArrayView kept = bytes.first(qMin(bytes.size(), kMaxTextBytes));
    appendLittleEndian(out_, quint16(kept.size()));
    out_.append(kept);
}

void BinaryWriter::arrayHeader(qint32 count)
{
    int16(kOneDimension);
    int32(count);
    int32(kFirstIndex);
}

void BinaryWriter::noDimensions()
{
    int16(0);
}

void BinaryWriter::raw(QByteArrayView bytes)
{
    out_.append(bytes);
}
