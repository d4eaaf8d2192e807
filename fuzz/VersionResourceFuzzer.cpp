// Feeds arbitrary bytes to the reader of a saver's version texts. Accepted values are never
// wider than their field, and writing them back into the same bytes reads them again unchanged.

#include "builder/VersionPatch.h"
#include "document/VersionResource.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView input(data, qsizetype(size));
    const std::optional<VersionResource::Values> values = VersionResource::read(input);
    if (!values) {
        return 0;
    }
    for (int key = 0; key < VersionResource::kKeyCount; ++key) {
        if ((*values)[key].size() > VersionResource::kFields[key].width) {
            __builtin_trap();
        }
    }
    QByteArray patched = input.toByteArray();
    VersionPatch::apply(patched, *values);
    if (patched.size() != input.size() || VersionResource::read(patched) != values) {
        __builtin_trap();
    }
    return 0;
}
