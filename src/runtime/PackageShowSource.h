#pragma once

#include "document/PackageReader.h"
#include "player/Audio.h"
#include "player/PixelImage.h"
#include "player/ShowSource.h"
#include "runtime/SoundChoice.h"

#include <functional>
#include <string_view>

// A show taken from a saver package: pictures are decoded from the package's blocks when
// needed, by the decoder the program passes in; music and sounds are named by the package's
// keys ("bgm.mid", "3.wav"), which resolver() turns into the blocks' bytes. The package's bytes
// must outlive this object.
class PackageShowSource : public ShowSource {
public:
    // The picture in an image file's bytes, or a null picture when they cannot be decoded.
    using Decoder = std::function<PixelImage(std::string_view bytes)>;

    PackageShowSource(const PackageView& package, SoundChoice choice, Decoder decoder);

    int slideCount() const override;
    const SlideSettings& slide(int index) const override;
    PixelImage image(int index) const override;
    bool soundExists(int index) const override;
    std::string soundKey(int index) const override;
    std::string bgmKey() const override;
    int canvasWidth() const override;
    int canvasHeight() const override;
    std::uint32_t backColor() const override;

    // Bytes for a key named by this show, without copying them; nothing for any other key.
    Audio::Resolver resolver() const;

private:
    const PackageSlide& entry(int index) const;

    const PackageView& package_;
    SoundChoice choice_;
    Decoder decoder_;
};
