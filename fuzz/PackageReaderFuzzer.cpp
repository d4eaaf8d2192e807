// Feeds arbitrary bytes to the package reader, both as a package and as the end of a file.
// Every view of an accepted package must lie inside the input and every key must name a slide
// at or before its own.

#include "document/PackageReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

bool inside(std::string_view view, std::string_view input)
{
    return view.empty() || (view.data() >= input.data() &&
                            view.data() + view.size() <= input.data() + input.size());
}

void check(const CoreExpected<PackageView>& package, std::string_view input)
{
    if (!package.ok()) {
        return;
    }
    if (!inside(package->bgmData, input) || package->slides.empty() ||
        std::size_t(package->PackageSize) > input.size()) {
        __builtin_trap();
    }
    for (std::size_t i = 0; i < package->slides.size(); ++i) {
        const PackageSlide& slide = package->slides[i];
        const auto index = static_cast<int>(i);
        if (slide.imageHolder < 0 || slide.imageHolder > index || slide.soundHolder > index ||
            slide.imageData.empty() || !inside(slide.imageData, input) ||
            !inside(slide.soundData, input) || (slide.soundHolder < 0) != slide.soundPath.empty()) {
            __builtin_trap();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    check(PackageReader::read(input), input);
    check(PackageReader::readTrailing(input), input);
    return 0;
}
