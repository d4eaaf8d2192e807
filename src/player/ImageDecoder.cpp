#include "player/ImageDecoder.h"

#include "document/ByteView.h"
#include "document/SourceFile.h"
#include "player/QtPixels.h"

#include <QBuffer>
#include <QImageReader>

namespace {

QImage decode(QImageReader& reader, int limitMiB)
{
    QImageReader::setAllocationLimit(limitMiB);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        return image;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QImage ImageDecoder::decodeFile(const QString& path)
{
    const Expected<std::unique_ptr<QFile>> file = SourceFile::open(path);
    if (!file) {
        return QImage();
    }
    QImageReader reader(file.value().get());
    return decode(reader, kAllocationLimitMiB);
}

QImage ImageDecoder::decodeBytes(const QByteArray& bytes, int limitMiB)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    return decode(reader, limitMiB);
}

PixelImage ImageDecoder::decodePicture(std::string_view bytes)
{
    // Read in place: a raw-data array does not copy the bytes.
    const QByteArrayView view = ByteView::toQt(bytes);
    return QtPixels::picture(decodeBytes(QByteArray::fromRawData(view.data(), view.size())));
}
