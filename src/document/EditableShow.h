#pragma once

#include "document/ShowDocument.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The whole show as plain values: the record plus the half that the editor keeps in its
// controls (path list, canvas, BGM path box). Workspace files, the package writer and the
// player take and give shows in this form.
struct EditableShow {
    ShowDocument document;  // Slides[i] describes imagePaths[i]
    QStringList imagePaths;  // entry i = full path of slide i's image
    QString bgmPath;  // empty = no music
    qint32 canvasWidth = 0;  // canvas inner size in pixels
    qint32 canvasHeight = 0;
    quint32 backColor = 0;  // 0x00BBGGRR

    int slideCount() const { return imagePaths.size(); }

    friend bool operator==(const EditableShow&, const EditableShow&) = default;
};
