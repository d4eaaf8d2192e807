#pragma once

#include "document/PackageReader.h"
#include "runtime/SaverIdentity.h"

#include <QJsonObject>

// The summary that `--check` prints: the saver's own texts, the canvas, the music and every
// slide's fields with the sizes of the blocks it uses.
class PackageSummary {
public:
    static QJsonObject make(const PackageView& package, const SaverIdentity& identity,
                            qint64 fileSize);
};
