#pragma once

#include "document/VersionResource.h"

#include <QString>

// The texts a saver starts with: the builder dialog's initial values, the command line's
// defaults and the runtime template's own version texts.
struct SaverDefaults {
    static inline const QString kFileName = QStringLiteral("ScreenSaver");
    static inline const QString kDescription = QStringLiteral("スクリーンセーバー");
    static inline const QString kMajorVersion = QStringLiteral("1");
    static inline const QString kMinorVersion = QStringLiteral("00");
    static inline const QString kSuffix = QStringLiteral(".scr");

    // The version texts of a template nobody has built a show into yet.
    static VersionResource::Values values()
    {
        VersionResource::Values values;
        const QString version = VersionResource::versionText(kMajorVersion, kMinorVersion);
        values[VersionResource::FileDescription] = kDescription;
        values[VersionResource::FileVersion] = version;
        values[VersionResource::ProductVersion] = version;
        values[VersionResource::InternalName] = kFileName;
        values[VersionResource::OriginalFilename] = kFileName + kSuffix;
        return values;
    }
};
