#pragma once

#include "document/Expected.h"

#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <memory>

// The saver's own file, mapped into memory (not copied): the runtime template followed by the
// show's package. The mapping lives as long as this object. Opened as any file the program
// reads, so a path that names no regular file (given to kremoa-cli, say) never blocks.
class OwnFile {
public:
    OwnFile() = default;
    OwnFile(const OwnFile&) = delete;
    OwnFile& operator=(const OwnFile&) = delete;

    // Fails with the reason, in Japanese where the system's is a common one, when the file
    // cannot be opened or mapped.
    Status open(const QString& path);
    QByteArrayView bytes() const { return bytes_; }

private:
    std::unique_ptr<QFile> file_;
    QByteArrayView bytes_;
};
