#include "player/EditableShowSource.h"

#include "document/SourceFile.h"
#include "player/ImageDecoder.h"
#include "player/QtPixels.h"

#include <algorithm>

EditableShowSource::EditableShowSource(EditableShow show) : show_(std::move(show)) {}

int EditableShowSource::slideCount() const
{
    return static_cast<int>(std::min(show_.imagePaths.size(), show_.document.Slides.size()));
}

const SlideItem& EditableShowSource::item(int index) const
{
    return show_.document.Slides.at(index);
}

const SlideSettings& EditableShowSource::slide(int index) const
{
    return item(index);
}

PixelImage EditableShowSource::image(int index) const
{
    return QtPixels::picture(ImageDecoder::decodeFile(show_.imagePaths.at(index)));
}

bool EditableShowSource::soundExists(int index) const
{
    return SourceFile::sizeOf(item(index).SoundPath).has_value();
}

std::string EditableShowSource::soundKey(int index) const
{
    return item(index).SoundPath.toStdString();
}

std::string EditableShowSource::bgmKey() const
{
    return show_.bgmPath.toStdString();
}

int EditableShowSource::canvasWidth() const
{
    return show_.canvasWidth;
}

int EditableShowSource::canvasHeight() const
{
    return show_.canvasHeight;
}

std::uint32_t EditableShowSource::backColor() const
{
    return show_.backColor;
}
