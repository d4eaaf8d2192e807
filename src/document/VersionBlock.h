#pragma once

#include "document/VersionResource.h"

#include <QByteArray>

// A version resource laid out like the one of a Windows program (VS_VERSIONINFO with its fixed
// part, a StringFileInfo with one StringTable, a VarFileInfo), whose String entries are the ten
// keys of VersionResource in table order, each value padded with U+0000 to the table's width and
// followed by one terminating U+0000. Every entry starts on a 4-byte boundary of the block,
// so a block placed at a 4-byte aligned offset gives the value offsets of VersionResource.
class VersionBlock {
public:
    static constexpr int kAlignment = 4;

    static QByteArray bytes(const VersionResource::Values& values, int major, int minor);
};
