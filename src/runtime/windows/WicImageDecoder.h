#pragma once

#include "player/PixelImage.h"

#include <cstdint>
#include <string_view>

struct IWICImagingFactory;

// Decodes slide images (BMP, JPEG) from their bytes with the Windows Imaging Component into
// pictures at natural size, with the JPEG orientation tag applied. A picture larger than
// kMaxPictureBytes decoded (the limit of the Qt program's decoder) is refused before anything is
// allocated for it. Anything that cannot be decoded gives a null picture. COM must be initialised
// on the calling thread.
class WicImageDecoder {
public:
    static constexpr std::int64_t kMaxPictureBytes = std::int64_t(1024) << 20;

    WicImageDecoder();
    ~WicImageDecoder();

    WicImageDecoder(const WicImageDecoder&) = delete;
    WicImageDecoder& operator=(const WicImageDecoder&) = delete;

    PixelImage decode(std::string_view bytes) const;

private:
    IWICImagingFactory* factory_ = nullptr;
};
