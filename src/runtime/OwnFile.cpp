#include "OwnFile.h"

#include "document/SourceFile.h"

Status OwnFile::open(const QString& path)
{
    Expected<std::unique_ptr<QFile>> opened = SourceFile::open(path);
    if (!opened) {
        return Status::failure(opened.error());
    }
    file_ = std::move(opened).value();
    const uchar* data = file_->map(0, file_->size());
    if (data == nullptr) {
        return Status::failure(file_->errorString());
    }
    bytes_ = QByteArrayView(data, file_->size());
    return Status::success();
}
