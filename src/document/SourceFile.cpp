#include "SourceFile.h"

#include <QFileInfo>

std::optional<qint64> SourceFile::sizeOf(const QString& path)
{
    if (path.isEmpty()) {
        return std::nullopt;
    }
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        return std::nullopt;
    }
    return info.size();
}
