// Writes the program's icon, as the main window shows it, into PNG files for the desktop:
//   kremoa-icon FOLDER  ->  FOLDER/SIZExSIZE/kremoa.png for every desktop icon size.
#include "editor/ToolbarIcons.h"

#include <QDir>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: kremoa-icon FOLDER\n", stderr);
        return 2;
    }
    constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const int size : kSizes) {
        const QString sizeFolder = QStringLiteral("%1x%1").arg(size);
        if (!folder.mkpath(sizeFolder) ||
            !ToolbarIcons::applicationPicture(size).save(
                folder.filePath(sizeFolder + QStringLiteral("/kremoa.png")), "PNG")) {
            std::fprintf(stderr, "kremoa-icon: cannot write %s\n", qPrintable(sizeFolder));
            return 1;
        }
    }
    return 0;
}
