#include "player/EditableShowSource.h"

#include "player/ImageDecoder.h"

#include <QFileInfo>

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
    const QString& path = slide(index).SoundPath;
    const QFileInfo file(path);
    return !path.isEmpty() && file.isFile() && file.isReadable();
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
