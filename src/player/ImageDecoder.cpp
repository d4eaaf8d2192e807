#include "player/ImageDecoder.h"

#include <QBuffer>
#include <QImageReader>

namespace {

QImage decode(QImageReader& reader)
{
    QImageReader::setAllocationLimit(ImageDecoder::kAllocationLimitMiB);
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
    QImageReader reader(path);
    return decode(reader);
}

QImage ImageDecoder::decodeBytes(const QByteArray& bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    return decode(reader);
}
