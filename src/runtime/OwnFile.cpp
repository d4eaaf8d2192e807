#include "OwnFile.h"

bool OwnFile::open(const QString& path)
{
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly)) {
        return false;
    }
    const qint64 size = file_.size();
    const uchar* data = file_.map(0, size);
    if (data == nullptr) {
        return false;
    }
    bytes_ = QByteArrayView(data, size);
    return true;
}
