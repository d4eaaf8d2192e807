#include "editor/FileStamp.h"

#include <QFileInfo>

FileStamp FileStamp::of(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        return FileStamp();
    }
    return FileStamp{info.size(), info.lastModified()};
}
