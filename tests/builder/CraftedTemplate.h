#pragma once

#include "builder/VersionPatch.h"
#include "document/VersionBlock.h"

#include <QByteArray>

// A small runtime template made for tests: a header that holds the key "Comments" as UTF-16
// at an odd offset (which must never be taken for the key), the version block at a 4-byte
// boundary, the default icon's bytes at an even offset and a tail.
class CraftedTemplate {
public:
    static constexpr int kOddKeyOffset = 7;
    static constexpr int kBlockOffset = 64;

    static QByteArray bytes(const QByteArray& icon, const VersionResource::Values& values = {})
    {
        QByteArray out(kOddKeyOffset, 'H');
        for (const char c : QByteArray("Comments")) {
            out.append(c).append('\0');
        }
        out.append(kBlockOffset - out.size(), 'H');
        out.append(VersionBlock::bytes(values, 1, 0));
        out.append(icon);
        if (out.size() % 2 != 0) {
            out.append('\0');
        }
        out.append(QByteArray("tail of the template"));
        return out;
    }

    // The template without one key: its text is replaced by other letters of the same length.
    static QByteArray withoutKey(QByteArray bytes, VersionResource::Key key)
    {
        const qsizetype at = VersionResource::findKey(bytes, key);
        bytes[at] = 'X';
        return bytes;
    }
};
