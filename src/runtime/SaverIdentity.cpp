#include "SaverIdentity.h"

#include "document/IconFile.h"
#include "document/VersionResource.h"

SaverIdentity SaverIdentity::read(QByteArrayView file, QByteArrayView defaultIcon)
{
    SaverIdentity identity;
    if (const auto values = VersionResource::read(file)) {
        identity.title = (*values)[VersionResource::FileDescription];
        identity.version = (*values)[VersionResource::FileVersion];
    }
    identity.icon = QImage::fromData(IconFile::stored(file, defaultIcon), "ICO");
    if (identity.icon.isNull()) {
        identity.icon = QImage::fromData(defaultIcon.toByteArray(), "ICO");
    }
    return identity;
}
