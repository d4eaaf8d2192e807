#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <optional>

// Reads the fields of the program's binary files from bytes it does not own. Every read is
// bounds-checked and gives nothing once the bytes run out; nothing is allocated, texts and
// blocks are views into the bytes.
class BinaryReader {
public:
    // The descriptor of an array: a 16-bit dimension count, then per dimension a 32-bit element
    // count and a 32-bit first index. Only the forms the program writes are read in full: no
    // dimensions, or one; for any other dimension count only `dimensions` is set.
    struct ArrayHeader {
        qint16 dimensions = 0;
        qint32 count = 0;
        qint32 firstIndex = 0;

        bool isPlainList() const { return dimensions == 1 && firstIndex == 0 && count >= 0; }
    };

    explicit BinaryReader(QByteArrayView bytes) : bytes_(bytes) {}

    qsizetype position() const { return position_; }
    qsizetype remaining() const { return bytes_.size() - position_; }

    std::optional<qint16> int16();
    std::optional<qint32> int32();
    std::optional<quint32> uint32();
    std::optional<QByteArrayView> bytes(qsizetype count);
    // A 16-bit byte count and that many bytes.
    std::optional<QByteArrayView> text();
    std::optional<ArrayHeader> arrayHeader();

private:
    template <typename T>
    std::optional<T> number();

    QByteArrayView bytes_;
    qsizetype position_ = 0;
};
