#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

// A Windows .ico file with one image as the program uses it: a 6-byte header, one 16-byte
// directory entry (byte 6 of the file = width) and the image right behind it as a BMP without
// its file header (BITMAPINFOHEADER of doubled height, palette, colour rows, AND-mask rows).
class IconFile {
public:
    static constexpr qsizetype kHeaderSize = 6;
    static constexpr qsizetype kEntrySize = 16;
    static constexpr qsizetype kImageOffset = kHeaderSize + kEntrySize;
    // Within the file: fields of the first directory entry.
    static constexpr qsizetype kWidthOffset = 6;
    static constexpr qsizetype kColourCountOffset = 8;
    static constexpr qsizetype kBitCountOffset = 12;
    static constexpr qsizetype kImageSizeOffset = 14;
    static constexpr qsizetype kImageOffsetOffset = 18;
    // Within the image's BITMAPINFOHEADER.
    static constexpr qsizetype kInfoHeaderSize = 40;
    static constexpr qsizetype kInfoBitCount = 14;
    static constexpr qsizetype kInfoColoursUsed = 32;
    // The builder swaps an icon's bytes from here on (the rest of the header of the image and
    // everything behind it); the bytes before it find the icon in a file.
    static constexpr qsizetype kDataOffset = 28;
    // The only icon size a saver takes.
    static constexpr int kRequiredWidth = 32;

    // Whether the icon's first image is kRequiredWidth pixels wide, by its directory entry.
    static bool is32Pixels(QByteArrayView icon);

    // The icon stored in `file` where `defaultIcon`'s first kDataOffset bytes occur, as long as
    // the default icon, with its directory entry made to agree with the image header behind it
    // (the builder swaps only the image data); empty when not found.
    static QByteArray stored(QByteArrayView file, QByteArrayView defaultIcon);
};
