#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

// Appends the fields of the program's binary files to a buffer: little-endian integers without
// padding, texts as a 16-bit byte count and the bytes, array descriptors.
class BinaryWriter {
public:
    static constexpr qsizetype kMaxTextBytes = 0xFFFF;

    explicit BinaryWriter(QByteArray& out) : out_(out) {}

    void int16(qint16 value);
    void int32(qint32 value);
    void uint32(quint32 value);
    // Callers refuse longer texts before writing; a longer one is cut at kMaxTextBytes so the
    // count still matches the bytes.
    void text(QByteArrayView bytes);
    // A one-dimensional array with first index 0 and `count` elements (10 bytes).
    void arrayHeader(qint32 count);
    // An array without dimensions: a block that holds nothing (2 bytes).
    void noDimensions();
    void raw(QByteArrayView bytes);

private:
    QByteArray& out_;
};
