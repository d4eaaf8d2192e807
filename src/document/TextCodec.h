#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Texts in the program's files. They are written in the platform's narrow encoding (UTF-8
// here) and read as UTF-8 when the bytes are valid UTF-8, otherwise as CP932 (Windows'
// Shift_JIS), so workspaces written on a Japanese Windows open too.
class TextCodec {
public:
    static QByteArray encode(const QString& text);
    static QString decode(QByteArrayView bytes);
};
