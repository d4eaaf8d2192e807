#include "MediaFactory.h"

#include <QDir>
#include <QFile>

MediaFactory::MediaFactory(const QString& folder) : folder_(QDir(folder).absolutePath())
{
    QDir().mkpath(folder_);
}

QString MediaFactory::path(const QString& name) const
{
    return QDir(folder_).filePath(name);
}

QString MediaFactory::image(const QString& name, const QImage& picture) const
{
    const QString target = path(name);
    return picture.save(target) ? target : QString();
}

QString MediaFactory::solidImage(const QString& name, QSize size, QColor colour) const
{
    return image(name, TestPicture::solid(size, colour));
}

QString MediaFactory::gradientImage(const QString& name, QSize size, QColor from, QColor to) const
{
    return image(name, TestPicture::gradient(size, from, to));
}

QString MediaFactory::wav(const QString& name, int milliseconds, double frequencyHz) const
{
    return bytes(name, WavTone::bytes(milliseconds, frequencyHz));
}

QString MediaFactory::midi(const QString& name, int noteCount) const
{
    return bytes(name, MidiTune::scale(noteCount));
}

QString MediaFactory::midi(const QString& name, const QList<MidiTune::Note>& notes,
                           int tempoBpm) const
{
    return bytes(name, MidiTune::bytes(notes, tempoBpm));
}

QString MediaFactory::icon(const QString& name, int size, QColor colour, QColor border,
                           int bitsPerPixel) const
{
    return bytes(name, IconImage::bytes(size, colour, border, bitsPerPixel));
}

QString MediaFactory::bytes(const QString& name, const QByteArray& content) const
{
    const QString target = path(name);
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size()) {
        return QString();
    }
    return target;
}
