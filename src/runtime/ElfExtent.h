#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <optional>

// Where an ELF executable's own bytes end: the furthest end of its headers, segments and
// sections. Whatever follows in the file (padding, a saver package) is not part of the
// program. Nothing when the bytes are not a well-formed 64-bit little-endian ELF file.
class ElfExtent {
public:
    static std::optional<qint64> end(QByteArrayView file);
};
