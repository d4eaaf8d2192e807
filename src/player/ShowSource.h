#pragma once

#include "document/SlideSettings.h"
#include "player/PixelImage.h"

#include <cstdint>
#include <string>

// Where the player takes a show from: the editor's show (files on disk) or a saver package.
// Sound and music are named by keys that the Audio in use understands (file paths, or the
// package's names with a resolver that answers from the package).
class ShowSource {
public:
    virtual ~ShowSource() = default;

    virtual int slideCount() const = 0;
    // The settings of slide i.
    virtual const SlideSettings& slide(int index) const = 0;
    // Slide i's picture, or a null picture when it cannot be decoded.
    virtual PixelImage image(int index) const = 0;
    // Whether slide i's sound can be played now (asked each time it is due), and its key.
    virtual bool soundExists(int index) const = 0;
    virtual std::string soundKey(int index) const = 0;
    // Empty when the show has no music.
    virtual std::string bgmKey() const = 0;

    virtual int canvasWidth() const = 0;
    virtual int canvasHeight() const = 0;
    virtual std::uint32_t backColor() const = 0;  // 0x00BBGGRR
};
