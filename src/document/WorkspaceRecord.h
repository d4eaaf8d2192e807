#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// One slide as a workspace file stores it.
struct WorkspaceSlide {
    QString ImagePath;
    qint32 DisplayTime = 0;
    qint32 PosX = 0;
    qint32 PosY = 0;
    qint32 EffectNumber = 0;
    QString SoundPath;
    qint16 KeepPrevious = 0;
    qint16 Transparent = 0;

    friend bool operator==(const WorkspaceSlide&, const WorkspaceSlide&) = default;
};

// The one record of a workspace file (*.kwp), field for field.
struct WorkspaceRecord {
    static inline const QString kFormatTag = QStringLiteral("400");

    QString FormatTag = kFormatTag;
    QString BgmPath;
    quint32 BackColor = 0;
    qint32 CanvasWidth = 0;
    qint32 CanvasHeight = 0;
    QList<WorkspaceSlide> Slides;  // at least one in a file the program writes

    friend bool operator==(const WorkspaceRecord&, const WorkspaceRecord&) = default;
};
