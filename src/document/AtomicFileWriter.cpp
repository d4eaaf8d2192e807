#include "AtomicFileWriter.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

QString cannotWrite(const QString& path, const QString& reason)
{
    return QStringLiteral("ファイル(") + path + QStringLiteral(")に書き込めません: ") + reason;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool syncHandle(int handle)
{
#ifdef Q_OS_WIN
    return _commit(handle) == 0;
#else
    return ::fsync(handle) == 0;
#endif
}

// The rename is only durable once the folder's entry is on disk. Windows journals the rename
// itself and has no folder handle to sync.
bool syncFolder(const QString& folder)
{
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    return true;
#else
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (handle < 0) {
        return false;
    }
    const bool synced = ::fsync(handle) == 0;
    ::close(handle);
    return synced;
#endif
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(const QString& path) : path_(path), file_(path) {}

AtomicFileWriter::~AtomicFileWriter() = default;

Status AtomicFileWriter::open()
{
    if (!file_.open(QIODevice::WriteOnly)) {
        return Status::failure(cannotWrite(path_, file_.errorString()));
    }
    return Status::success();
}

QIODevice& AtomicFileWriter::device()
{
    return file_;
}

Status AtomicFileWriter::commit()
{
    if (!file_.isOpen()) {
        return Status::failure(cannotWrite(path_, file_.errorString()));
    }
    if (file_.error() != QFileDevice::NoError || !file_.flush()) {
        const QString reason = file_.errorString();
        file_.cancelWriting();
        return Status::failure(cannotWrite(path_, reason));
    }
    if (!syncHandle(file_.handle())) {
        const QString reason = systemError();
        file_.cancelWriting();
        return Status::failure(cannotWrite(path_, reason));
    }
    if (!file_.commit()) {
        return Status::failure(cannotWrite(path_, file_.errorString()));
    }
    if (!syncFolder(QFileInfo(path_).absolutePath())) {
        return Status::failure(cannotWrite(path_, systemError()));
    }
    return Status::success();
}
