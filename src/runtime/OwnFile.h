#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QString>

// The saver's own file, mapped into memory (not copied): the runtime template followed by the
// show's package. The mapping lives as long as this object.
class OwnFile {
public:
    OwnFile() = default;
    OwnFile(const OwnFile&) = delete;
    OwnFile& operator=(const OwnFile&) = delete;

    // False with errorString() set when the file cannot be opened or mapped.
    bool open(const QString& path);
    QByteArrayView bytes() const { return bytes_; }
    QString errorString() const { return file_.errorString(); }

private:
    QFile file_;
    QByteArrayView bytes_;
};
