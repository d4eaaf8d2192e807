// Feeds arbitrary bytes to the ELF extent reader, which decides where a saver's program ends
// and its package may begin. An accepted end must lie within the file and past the header.

#include "runtime/ElfExtent.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView input(data, qsizetype(size));
    const std::optional<qint64> end = ElfExtent::end(input);
    if (end && (*end < 64 || *end > input.size())) {
        __builtin_trap();
    }
    return 0;
}
