#include "IconCheck.h"

#include "document/SourceFile.h"

bool IconCheck::is32Pixels(const QString& path)
{
    const Expected<std::unique_ptr<QFile>> file = SourceFile::open(path);
    if (!file || !file.value()->seek(kWidthOffset)) {
        return false;
    }
    char width = 0;
    return file.value()->getChar(&width) && quint8(width) == kRequiredWidth;
}
