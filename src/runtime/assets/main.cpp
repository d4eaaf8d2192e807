// kremoa-runtime-assets: build-time helper of the saver runtime.
//   kremoa-runtime-assets assets OUT.cpp OUT.ico   the embedded version block and icon
//   kremoa-runtime-assets pad IN OUT               copies IN padded to an even length
//   kremoa-runtime-assets version-rc OUT.rc        the version block as a Windows resource
#include "EmbeddedSource.h"
#include "ResourceScript.h"
#include "SaverIcon.h"
#include "document/SaverDefaults.h"
#include "document/VersionBlock.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kTemplateMajor = 1;
constexpr int kTemplateMinor = 0;
constexpr int kVersionResourceId = 1;
constexpr int kVersionResourceType = 16;  // RT_VERSION

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        QTextStream(stderr) << "cannot write " << path << ": " << file.errorString() << '\n';
        return false;
    }
    return true;
}

int makeAssets(const QString& sourcePath, const QString& iconPath)
{
    const QByteArray icon = SaverIcon::icoBytes(SaverIcon::picture());
    EmbeddedSource source(QStringLiteral("runtime/RuntimeAssets.h"));
    source.addArray(QStringLiteral("versionBlock"), QStringLiteral("versionBlockSize"),
                    VersionBlock::bytes(SaverDefaults::values(), kTemplateMajor, kTemplateMinor));
    source.addArray(QStringLiteral("saverIcon"), QStringLiteral("saverIconSize"), icon);
    return writeFile(sourcePath, source.text()) && writeFile(iconPath, icon) ? 0 : 1;
}

// The Windows runtime's version resource, the same block as the Linux runtime's, so that the
// builder patches both alike; the script is kept with the Windows runtime's sources.
int makeVersionScript(const QString& path)
{
    const QByteArray block =
        VersionBlock::bytes(SaverDefaults::values(), kTemplateMajor, kTemplateMinor);
    return writeFile(path, ResourceScript::raw(kVersionResourceId, kVersionResourceType, block,
                                               "Made by kremoa-runtime-assets version-rc."))
               ? 0
               : 1;
}

int pad(const QString& inputPath, const QString& outputPath)
{
    QFile input(inputPath);
    if (!input.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "cannot read " << inputPath << '\n';
        return 1;
    }
    QByteArray bytes = input.readAll();
    if (bytes.size() % 2 != 0) {
        bytes.append('\0');
    }
    // The template is run as a program too (it says that it holds no show).
    return writeFile(outputPath, bytes) && QFile::setPermissions(outputPath, input.permissions())
               ? 0
               : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
    }
    if (args.size() == 3 && args[0] == QLatin1String("assets")) {
        return makeAssets(args[1], args[2]);
    }
    if (args.size() == 3 && args[0] == QLatin1String("pad")) {
        return pad(args[1], args[2]);
    }
    if (args.size() == 2 && args[0] == QLatin1String("version-rc")) {
        return makeVersionScript(args[1]);
    }
    QTextStream(stderr)
        << "usage: kremoa-runtime-assets assets OUT.cpp OUT.ico | pad IN OUT | version-rc OUT.rc\n";
    return 2;
}
