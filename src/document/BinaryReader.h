#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// Reads the fields of the program's binary files from bytes it does not own. Every read is
// bounds-checked; the first read that runs past the end marks the reader failed, and from then
// on every read gives 0 or an empty view without moving. A parse therefore reads its fields in
// a straight line and checks failed() once. Nothing is allocated: texts and blocks are views
// into the bytes.
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

    bool failed() const { return failed_; }
    qsizetype position() const { return position_; }
    qsizetype remaining() const { return bytes_.size() - position_; }

    qint16 int16();
    qint32 int32();
    quint32 uint32();
    QByteArrayView bytes(qsizetype count);
    // A 16-bit byte count and that many bytes.
    QByteArrayView text();
    ArrayHeader arrayHeader();

private:
    template <typename T>
    T number();

    QByteArrayView bytes_;
    qsizetype position_ = 0;
    bool failed_ = false;
};
