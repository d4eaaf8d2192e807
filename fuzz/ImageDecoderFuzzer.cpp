// Feeds arbitrary bytes to the slide picture decoder as the player uses it (content decides the
// format, JPEG orientation applied, allocation limit set). The limit is lowered here so that
// decoding stays within the fuzzer's memory bound; a picture it accepts is RGB32 and not empty.

#include "player/ImageDecoder.h"

#include <QtGlobal>

#include <cstddef>
#include <cstdint>

namespace {

constexpr int kFuzzAllocationLimitMiB = 16;

// Qt's decoders warn about every broken input; the warnings only slow the run down.
void ignoreMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler(ignoreMessage);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QImage image = ImageDecoder::decodeBytes(input, kFuzzAllocationLimitMiB);
    if (!image.isNull() &&
        (image.format() != QImage::Format_RGB32 || image.width() <= 0 || image.height() <= 0)) {
        __builtin_trap();
    }
    return 0;
}
