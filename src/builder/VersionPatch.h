#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>

// The version texts of a runtime template: ten UTF-16 strings laid out like the String entries
// of a version resource. Each key is found as UTF-16 (16-bit units at even byte offsets, first
// occurrence); its value starts a fixed number of units after the key's first unit and is
// exactly `width` units long, padded with U+0000 or cut.
class VersionPatch {
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

    // major + "." + the last two characters of "00" + minor: ("1", "0") gives "1.00",
    // ("1", "") gives "1.00", ("1", "12") gives "1.12".
    static QString versionText(const QString& major, const QString& minor);

    // Byte offset of the key's first occurrence at an even offset at or after `from`, or -1.
    static qsizetype findKey(QByteArrayView bytes, Key key, qsizetype from = 0);
    // The first key that is missing or has no room for its value behind it, if any.
    static std::optional<Key> findMissing(QByteArrayView bytes);
    // Writes every value whose key has room. The places are all found before the first write,
    // so a value that happens to contain a key's text cannot move another value. The length
    // of `bytes` never changes.
    static void apply(QByteArray& bytes, const Values& values);
    // The values of a patched template, trailing U+0000 removed. The keys are taken in table
    // order, each searched behind the previous value (as VersionBlock lays them out), so texts
    // inside values are never mistaken for keys. Nothing when a key is missing.
    static std::optional<Values> read(QByteArrayView bytes);

private:
    // Byte offset of the value behind a key found at or after `from` when the whole value
    // fits, or -1.
    static qsizetype valuePosition(QByteArrayView bytes, Key key, qsizetype from = 0);
    static qsizetype valueEnd(qsizetype valueAt, Key key);
};
