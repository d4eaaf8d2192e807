#include "SaverFile.h"

#include "runtime/ElfExtent.h"

bool SaverFile::open(const QString& path, QByteArrayView defaultIcon)
{
    if (!file_.open(path)) {
        error_ = kUnreadable + path + QStringLiteral(" (") + file_.errorString() + QLatin1Char(')');
        return false;
    }
    const QByteArrayView bytes = file_.bytes();
    identity_ = SaverIdentity::read(bytes, defaultIcon);

    // The template is padded to an even length; nothing behind it means no show was built in.
    if (const std::optional<qint64> programEnd = ElfExtent::end(bytes)) {
        if (bytes.size() <= *programEnd + *programEnd % 2) {
            error_ = kNoPackage;
            return false;
        }
    }
    Expected<PackageView> package = PackageReader::readTrailing(bytes);
    if (!package) {
        error_ = kBrokenPackage + package.error();
        return false;
    }
    package_ = std::move(package.value());
    return true;
}
