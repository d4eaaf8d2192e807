#include "SourceFile.h"

#include "document/SystemError.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

std::optional<qint64> SourceFile::sizeOf(const QString& path)
{
    if (path.isEmpty()) {
        return std::nullopt;
    }
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        return std::nullopt;
    }
    return info.size();
}

Expected<std::unique_ptr<QFile>> SourceFile::open(const QString& path)
{
    using Result = Expected<std::unique_ptr<QFile>>;
    if (path.isEmpty()) {
        return Result::failure(kNotFound);
    }
    auto file = std::make_unique<QFile>(path);
#ifdef Q_OS_WIN
    // No FIFOs to wait on here; folders and devices are told apart before opening.
    if (!QFileInfo(path).isFile()) {
        return Result::failure(kNotFound);
    }
    if (!file->open(QIODevice::ReadOnly)) {
        return Result::failure(file->errorString());
    }
#else
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer. The type is
    // checked on the opened file, so the path cannot change between check and use.
    const int handle =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (handle < 0) {
        return Result::failure(SystemError::reason(errno));
    }
    struct stat status {};
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(handle);
        return Result::failure(kNotRegular);
    }
    if (!file->open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return Result::failure(file->errorString());
    }
#endif
    return file;
}

Expected<QByteArray> SourceFile::read(const QString& path, qint64 maxBytes)
{
    const Expected<std::unique_ptr<QFile>> opened = open(path);
    if (!opened) {
        return Expected<QByteArray>::failure(opened.error());
    }
    QFile& file = *opened.value();
    if (file.size() > maxBytes) {
        return Expected<QByteArray>::failure(kTooLarge);
    }
    // Read at most one byte past the limit: a file that grows meanwhile stays bounded.
    QByteArray bytes = file.read(std::min(file.size(), maxBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        return Expected<QByteArray>::failure(file.errorString());
    }
    if (bytes.size() > maxBytes) {
        return Expected<QByteArray>::failure(kTooLarge);
    }
    return bytes;
}
