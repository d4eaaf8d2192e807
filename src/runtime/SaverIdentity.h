#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

// What the builder wrote into this copy of the runtime, read back from the file's own bytes:
// the description (the window title) and the version, and the icon image.
struct SaverIdentity {
    QString title;    // FileDescription, trailing U+0000 removed
    QString version;  // FileVersion
    QImage icon;

    // defaultIcon = the icon file the runtime was built with; its first bytes (header and
    // directory, which the builder never changes) find the icon in the file.
    static SaverIdentity read(QByteArrayView file, QByteArrayView defaultIcon);
};
