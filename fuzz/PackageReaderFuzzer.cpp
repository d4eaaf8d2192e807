// Feeds arbitrary bytes to the package reader, both as a package and as the end of a file.
// Every view of an accepted package must lie inside the input and every key must name a slide
// at or before its own.

#include "document/PackageReader.h"

#include <cstddef>
#include <cstdint>

namespace {

bool inside(QByteArrayView view, QByteArrayView input)
{
    return view.isEmpty() || (view.data() >= input.data() &&
                              view.data() + view.size() <= input.data() + input.size());
}

void check(const Expected<PackageView>& package, QByteArrayView input)
{
    if (!package.ok()) {
        return;
    }
    if (!inside(package->bgmData, input) || package->slides.isEmpty() ||
        package->PackageSize > input.size()) {
        __builtin_trap();
    }
    for (qsizetype i = 0; i < package->slides.size(); ++i) {
        const PackageSlide& slide = package->slides[i];
        if (slide.imageHolder < 0 || slide.imageHolder > i || slide.soundHolder > i ||
            slide.imageData.isEmpty() || !inside(slide.imageData, input) ||
            !inside(slide.soundData, input) ||
            (slide.soundHolder < 0) != slide.soundPath.isEmpty()) {
            __builtin_trap();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView input(data, qsizetype(size));
    check(PackageReader::read(input), input);
    check(PackageReader::readTrailing(input), input);
    return 0;
}
