#pragma once

#include <QByteArray>
#include <QtEndian>

// Appends an integer to a buffer in little-endian byte order, as every binary format the program
// reads or writes stores them (workspace, package, icon, bitmap, wave and version resources).
template <typename T>
void appendLittleEndian(QByteArray& out, T value)
{
    char raw[sizeof(T)];
    qToLittleEndian(value, raw);
    out.append(raw, sizeof raw);
}
