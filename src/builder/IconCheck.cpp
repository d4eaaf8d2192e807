#include "IconCheck.h"

#include <QFile>

bool IconCheck::is32Pixels(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(kWidthOffset)) {
        return false;
    }
    char width = 0;
    return file.getChar(&width) && quint8(width) == kRequiredWidth;
}
