#pragma once

#include "document/EditableShow.h"
#include "player/ShowSource.h"

// A show as the editor holds it: images and sounds are files named by full paths, decoded or
// tested each time they are needed, so the show plays what is on disk at that moment.
class EditableShowSource : public ShowSource {
public:
    explicit EditableShowSource(EditableShow show);

    int slideCount() const override;
    const SlideSettings& slide(int index) const override;
    PixelImage image(int index) const override;
    bool soundExists(int index) const override;
    std::string soundKey(int index) const override;
    std::string bgmKey() const override;
    int canvasWidth() const override;
    int canvasHeight() const override;
    std::uint32_t backColor() const override;

private:
    const SlideItem& item(int index) const;

    EditableShow show_;
};
