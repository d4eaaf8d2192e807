#include "TextCodec.h"

#include <QStringDecoder>

namespace {

constexpr const char* kWindowsJapanese = "CP932";

}  // namespace

QByteArray TextCodec::encode(const QString& text)
{
    return text.toUtf8();
}

QString TextCodec::decode(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    QStringDecoder japanese(kWindowsJapanese, QStringDecoder::Flag::Stateless);
    if (!japanese.isValid()) {
        return QString::fromLatin1(bytes);
    }
    return japanese.decode(bytes);
}
