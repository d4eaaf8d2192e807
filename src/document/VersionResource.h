#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>

// The version texts of a saver: ten UTF-16 strings laid out like the String entries of a
// version resource. Each key is found as UTF-16 (16-bit units at even byte offsets); its value
// starts a fixed number of units after the key's first unit and is exactly `width` units long,
// padded with U+0000 or cut. The keys are taken in table order, each searched behind the
// previous value (as VersionBlock lays them out), so texts inside values are never mistaken
// for keys; in a runtime template this is each key's first occurrence.
class VersionResource {
public:
    enum Key {
        Comments,
        CompanyName,
        FileDescription,
        LegalCopyright,
        LegalTrademarks,
        ProductName,
        FileVersion,
        ProductVersion,
        InternalName,
        OriginalFilename,
        kKeyCount
    };

    struct Field {
        const char* key;  // ASCII, searched as UTF-16LE
        int width;        // value width in 16-bit units
        int valueOffset;  // units from the key's first unit to the value's
    };

    // The offsets are the key, its NUL and the padding that aligns the value to 4 bytes, for a
    // String entry whose 6-byte header starts on a 4-byte boundary.
    static constexpr std::array<Field, kKeyCount> kFields = {{
        {"Comments", 40, 9},
        {"CompanyName", 20, 13},
        {"FileDescription", 20, 17},
        {"LegalCopyright", 20, 15},
        {"LegalTrademarks", 20, 17},
        {"ProductName", 20, 13},
        {"FileVersion", 5, 13},
        {"ProductVersion", 5, 15},
        {"InternalName", 40, 13},
        {"OriginalFilename", 44, 17},
    }};

    using Values = std::array<QString, kKeyCount>;
    // Byte offsets of the values, or -1 from the first key that is missing or has no room for
    // its value behind it on.
    using Positions = std::array<qsizetype, kKeyCount>;

    // major + "." + the last two characters of "00" + minor: ("1", "0") gives "1.00",
    // ("1", "") gives "1.00", ("1", "12") gives "1.12".
    static QString versionText(const QString& major, const QString& minor);

    // Byte offset of the key's first occurrence at an even offset at or after `from`, or -1.
    static qsizetype findKey(QByteArrayView bytes, Key key, qsizetype from = 0);
    static Positions positions(QByteArrayView bytes);
    static qsizetype valueEnd(qsizetype valueAt, Key key);
    // The values, trailing U+0000 removed. Nothing when a key is missing.
    static std::optional<Values> read(QByteArrayView bytes);
};
