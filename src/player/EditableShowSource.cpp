#include "player/EditableShowSource.h"

#include "document/SourceFile.h"
#include "player/ImageDecoder.h"

#include <algorithm>

EditableShowSource::EditableShowSource(EditableShow show) : show_(std::move(show)) {}

int EditableShowSource::slideCount() const
{
    return static_cast<int>(std::min(show_.imagePaths.size(), show_.document.Slides.size()));
}

const SlideItem& EditableShowSource::slide(int index) const
{
    return show_.document.Slides.at(index);
}

QImage EditableShowSource::image(int index) const
{
    return ImageDecoder::decodeFile(show_.imagePaths.at(index));
}

bool EditableShowSource::soundExists(int index) const
{
    return SourceFile::sizeOf(slide(index).SoundPath).has_value();
}

QString EditableShowSource::soundKey(int index) const
{
    return slide(index).SoundPath;
}

QString EditableShowSource::bgmKey() const
{
    return show_.bgmPath;
}

int EditableShowSource::canvasWidth() const
{
    return show_.canvasWidth;
}

int EditableShowSource::canvasHeight() const
{
    return show_.canvasHeight;
}

quint32 EditableShowSource::backColor() const
{
    return show_.backColor;
}
