#pragma once

#include <QByteArray>

// A Windows resource script (for windres) that defines one resource of a numbered type from
// raw bytes, written as 16-bit little-endian words: windres would cut a text value at its first
// U+0000, and the version block's values are padded with them.
class ResourceScript {
public:
    // `bytes` must have an even length.
    static QByteArray raw(int id, int type, const QByteArray& bytes, const QByteArray& comment);
};
