#pragma once

#include "document/Expected.h"
#include "document/PackagePlan.h"

#include <QIODevice>

#include <functional>

// Writes the package of a plan: each distinct file is read once and copied in chunks, so memory
// stays flat whatever the size of the show. A file that changed size since the plan was made
// is an error (the size field would lie).
class PackageWriter {
public:
    // Called after each chunk with bytes written so far and the total; returns false to cancel.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    static Status write(const PackagePlan& plan, QIODevice& out, const Progress& progress = {});
};
