#pragma once

#include "document/ShowDocument.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The whole show as plain values: the record plus the half that the editor keeps in its
// controls (path list, canvas, BGM path box). Workspace files, the package writer and the
// player take and give shows in this form.
//
// Invariants of a show the program makes:
// - document.Slides has one element per entry of imagePaths (element i describes path i) and
//   document.SlideCount equals that number, at most ShowDocument::kMaxSlides;
// - a new slide is a default-constructed SlideItem (1000 ms, position 0,0, no effect, speed
//   x1, no sound, both flags off);
// - the package-only fields (ImageRef, ImageData, SoundData, SoundSwitchable, Bgm,
//   PackageSize) stay empty: only the package plan fills them, in its own copy;
// - canvasWidth, canvasHeight and backColor are the authority; the record's copies of them
//   are set when a show is loaded and before it is played or built.
struct EditableShow {
    ShowDocument document;   // Slides[i] describes imagePaths[i]
    QStringList imagePaths;  // entry i = full path of slide i's image
    QString bgmPath;         // empty = no music
    qint32 canvasWidth = 0;  // canvas inner size in pixels
    qint32 canvasHeight = 0;
    quint32 backColor = 0;  // 0x00BBGGRR

    int slideCount() const { return imagePaths.size(); }

    friend bool operator==(const EditableShow&, const EditableShow&) = default;
};
