#pragma once

#include "media/IconImage.h"
#include "media/MidiTune.h"
#include "media/TestPicture.h"
#include "media/WavTone.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

// Writes test media made by code into one folder (created when missing) and returns each
// file's absolute path, or an empty text when the file could not be written. Typical use:
//
//   QTemporaryDir dir;
//   MediaFactory media(dir.path());
//   const QString red = media.solidImage("red_64x48.bmp", {64, 48}, Qt::red);
//   const QString beep = media.wav("beep.wav");
//   const QString tune = media.midi("tune.mid");
//   const QString icon = media.icon("small.ico", 16);
//
// The byte makers (WavTone, MidiTune, IconImage, TestPicture) can also be used directly.
class MediaFactory {
public:
    explicit MediaFactory(const QString& folder);

    const QString& folder() const { return folder_; }
    QString path(const QString& name) const;

    // The image format follows the name's suffix: .bmp, .jpg or .jpeg.
    QString image(const QString& name, const QImage& picture) const;
    QString solidImage(const QString& name, QSize size, QColor colour) const;
    QString gradientImage(const QString& name, QSize size, QColor from, QColor to) const;

    // A PCM WAV sine tone (16-bit mono).
    QString wav(const QString& name, int milliseconds = 250, double frequencyHz = 440.0) const;
    // A format-0 MIDI file: a rising scale, or the given notes.
    QString midi(const QString& name, int noteCount = 8) const;
    QString midi(const QString& name, const QList<MidiTune::Note>& notes,
                 int tempoBpm = MidiTune::kDefaultTempoBpm) const;
    // A .ico file with one size x size image (byte 6 = size).
    QString icon(const QString& name, int size = 32, QColor colour = Qt::yellow,
                 QColor border = Qt::blue, int bitsPerPixel = 4) const;
    // Any bytes, e.g. an empty or broken file.
    QString bytes(const QString& name, const QByteArray& content) const;

private:
    QString folder_;
};
