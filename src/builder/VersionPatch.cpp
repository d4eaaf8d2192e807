#include "builder/VersionPatch.h"

#include <QtEndian>

std::optional<VersionResource::Key> VersionPatch::findMissing(QByteArrayView bytes)
{
    const VersionResource::Positions positions = VersionResource::positions(bytes);
    for (int key = 0; key < VersionResource::kKeyCount; ++key) {
        if (positions[key] < 0) {
            return VersionResource::Key(key);
        }
    }
    return std::nullopt;
}

void VersionPatch::apply(QByteArray& bytes, const VersionResource::Values& values)
{
    const VersionResource::Positions positions = VersionResource::positions(bytes);
    for (int key = 0; key < VersionResource::kKeyCount; ++key) {
        if (positions[key] < 0) {
            continue;
        }
        const QString& value = values[key];
        char* out = bytes.data() + positions[key];
        for (int unit = 0; unit < VersionResource::kFields[key].width; ++unit) {
            const char16_t c = unit < value.size() ? value.at(unit).unicode() : u'\0';
            qToLittleEndian<quint16>(c, out + unit * sizeof(quint16));
        }
    }
}
