#include "SaverFile.h"

#include "document/ByteView.h"
#include "runtime/ElfExtent.h"

Status SaverFile::open(const QString& path, QByteArrayView defaultIcon)
{
    if (const Status opened = file_.open(path); !opened) {
        return Status::failure(kUnreadable + path + QStringLiteral(" (") + opened.error() +
                               QLatin1Char(')'));
    }
    const QByteArrayView bytes = file_.bytes();
    identity_ = SaverIdentity::read(bytes, defaultIcon);
    Expected<PackageView> package = readPackage(bytes);
    if (!package) {
        return Status::failure(package.error());
    }
    package_ = std::move(package.value());
    return Status::success();
}

Expected<PackageView> SaverFile::readPackage(QByteArrayView bytes)
{
    // The template is padded to an even length; nothing behind it means no show was built in.
    if (const std::optional<qint64> programEnd = ElfExtent::end(bytes)) {
        if (bytes.size() <= *programEnd + *programEnd % 2) {
            return Expected<PackageView>::failure(kNoPackage);
        }
    }
    CoreExpected<PackageView> package = PackageReader::readTrailing(ByteView::of(bytes));
    if (!package) {
        return Expected<PackageView>::failure(kBrokenPackage +
                                              QString::fromStdString(package.error()));
    }
    return std::move(package).value();
}
