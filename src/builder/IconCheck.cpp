#include "IconCheck.h"

#include "document/IconFile.h"
#include "document/SourceFile.h"

bool IconCheck::is32Pixels(const QString& path)
{
    const Expected<std::unique_ptr<QFile>> file = SourceFile::open(path);
    return file && IconFile::is32Pixels(file.value()->read(IconFile::kWidthOffset + 1));
}
