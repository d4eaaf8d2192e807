// Feeds arbitrary bytes as a whole saver file, read as the saver reads its own file when it
// starts: where the program ends, its version texts and icon, and the package at its end.

#include "runtime/SaverFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView input(data, qsizetype(size));
    const SaverIdentity identity = SaverIdentity::read(input, {});
    const Expected<PackageView> package = SaverFile::readPackage(input);
    if (package.ok() && (package->PackageSize > input.size() || package->slides.empty() ||
                         identity.title.size() > 20)) {
        __builtin_trap();
    }
    return 0;
}
