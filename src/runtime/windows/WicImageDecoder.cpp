#include "runtime/windows/WicImageDecoder.h"

#include "runtime/windows/ExifOrientation.h"
#include "runtime/windows/JpegOrientation.h"

#include <windows.h>

#include <wincodec.h>

namespace {

constexpr std::int64_t kBytesPerPixel = 4;
constexpr UINT kFirstFrame = 0;

// Releases a COM object at the end of its scope.
template <typename T>
class Held {
public:
    Held() = default;
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held()
    {
        if (object_ != nullptr) {
            object_->Release();
        }
    }
    T** out() { return &object_; }
    T* operator->() const { return object_; }
    T* get() const { return object_; }

private:
    T* object_ = nullptr;
};

}  // namespace

WicImageDecoder::WicImageDecoder()
{
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                     IID_PPV_ARGS(&factory_));
}

WicImageDecoder::~WicImageDecoder()
{
    if (factory_ != nullptr) {
        factory_->Release();
    }
}

PixelImage WicImageDecoder::decode(std::string_view bytes) const
{
    if (factory_ == nullptr || bytes.empty() || bytes.size() > MAXDWORD) {
        return {};
    }
    Held<IWICStream> stream;
    Held<IWICBitmapDecoder> decoder;
    Held<IWICBitmapFrameDecode> frame;
    if (FAILED(factory_->CreateStream(stream.out())) ||
        FAILED(stream->InitializeFromMemory(
            reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())), DWORD(bytes.size()))) ||
        FAILED(factory_->CreateDecoderFromStream(stream.get(), nullptr,
                                                 WICDecodeMetadataCacheOnDemand, decoder.out())) ||
        FAILED(decoder->GetFrame(kFirstFrame, frame.out()))) {
        return {};
    }
    UINT width = 0;
    UINT height = 0;
    if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0 ||
        std::int64_t(width) * height * kBytesPerPixel > kMaxPictureBytes) {
        return {};
    }
    Held<IWICFormatConverter> converter;
    if (FAILED(factory_->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom))) {
        return {};
    }
    PixelImage picture{int(width), int(height)};
    if (picture.isNull()) {
        return {};
    }
    const UINT stride = UINT(picture.stride() * kBytesPerPixel);
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height,
                                     reinterpret_cast<BYTE*>(picture.row(0))))) {
        return {};
    }
    // 32bppBGR leaves the top byte undefined; pictures keep it at 0xFF.
    for (int y = 0; y < picture.height(); ++y) {
        std::uint32_t* row = picture.row(y);
        for (int x = 0; x < picture.width(); ++x) {
            row[x] |= 0xFF000000u;
        }
    }
    return ExifOrientation::apply(picture, JpegOrientation::read(bytes));
}
