#pragma once

#include "document/EditableShow.h"
#include "document/PackagePlan.h"
#include "document/PackageWriter.h"

#include <QBuffer>
#include <QString>

// Builds shows for the package tests and writes their packages into memory.
class PackageTestShow {
public:
    static EditableShow withImages(const QStringList& paths)
    {
        EditableShow show;
        show.canvasWidth = 320;
        show.canvasHeight = 240;
        show.imagePaths = paths;
        show.document.Slides.resize(paths.size());
        show.document.SlideCount = qint32(paths.size());
        return show;
    }

    // The package bytes, or an empty array with `error` set.
    static QByteArray write(const EditableShow& show, QString* error = nullptr,
                            qint16 soundSwitchable = 0)
    {
        const Expected<PackagePlan> plan = PackagePlan::make(show, soundSwitchable);
        if (!plan.ok()) {
            if (error) {
                *error = plan.error();
            }
            return QByteArray();
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        const Status written = PackageWriter::write(plan.value(), buffer);
        if (!written.ok()) {
            if (error) {
                *error = written.error();
            }
            return QByteArray();
        }
        return bytes;
    }
};
