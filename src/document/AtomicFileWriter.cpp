#include "AtomicFileWriter.h"

#include "document/SystemError.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr int kNewFileMode = 0666;  // narrowed by the umask, as for any new file
constexpr qint64 kLargestWrite = 1 << 30;
constexpr int kNameAttempts = 100;

QString cannotWrite(const QString& path, const QString& reason)
{
    return QStringLiteral("ファイル(") + path + QStringLiteral(")に書き込めません: ") + reason;
}

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
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
    const int handle = ::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0) {
        return false;
    }
    const bool synced = ::fsync(handle) == 0;
    ::close(handle);
    return synced;
#endif
}

// Moves the finished file into place without replacing a file that exists there: one of two
// writers racing for the same new name wins, the other is told.
bool renameKeeping(const QByteArray& from, const QByteArray& to)
{
#ifdef Q_OS_WIN
    return QFile::rename(QFile::decodeName(from), QFile::decodeName(to)) || (errno = EEXIST, false);
#else
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
#endif
    // File systems without the flag: a hard link fails when the name is taken.
    if (::link(from.constData(), to.constData()) != 0) {
        return false;
    }
    ::unlink(from.constData());
    return true;
#endif
}

}  // namespace

// Writes straight to the handle and keeps the system's reason for a failure.
class AtomicFileWriter::HandleDevice final : public QIODevice {
public:
    explicit HandleDevice(int handle) : handle_(handle)
    {
        QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    int failure() const { return failure_; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }

    qint64 writeData(const char* data, qint64 size) override
    {
        qint64 done = 0;
        while (done < size) {
            const auto chunk = unsigned(std::min(size - done, kLargestWrite));
            const auto written = ::write(handle_, data + done, chunk);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                failure_ = written < 0 ? errno : ENOSPC;
                setErrorString(SystemError::reason(failure_));
                return -1;
            }
            done += written;
        }
        return done;
    }

private:
    int handle_;
    int failure_ = 0;
};

AtomicFileWriter::AtomicFileWriter(const QString& path, Existing existing)
    : path_(path), target_(path), existing_(existing)
{}

AtomicFileWriter::~AtomicFileWriter()
{
    discard();
}

void AtomicFileWriter::discard()
{
    device_.reset();
    if (handle_ >= 0) {
        ::close(handle_);
        handle_ = -1;
    }
    if (!temporaryPath_.isEmpty()) {
        ::unlink(nativePath(temporaryPath_).constData());
        temporaryPath_.clear();
    }
}

Status AtomicFileWriter::fail(const QString& reason)
{
    discard();
    return Status::failure(cannotWrite(path_, reason));
}

Status AtomicFileWriter::open()
{
    discard();
    // A link to a file stays a link: the file it leads to is the one replaced.
    const QFileInfo info(path_);
    target_ = info.isSymLink() && info.exists() ? info.canonicalFilePath() : path_;
    struct stat existing {};
    const bool exists = ::stat(nativePath(target_).constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        return Status::failure(cannotWrite(path_, kNotRegular));
    }
    for (int attempt = 0; attempt < kNameAttempts && handle_ < 0; ++attempt) {
        temporaryPath_ = target_ + QStringLiteral(".%1").arg(QRandomGenerator::global()->generate(),
                                                             8, 16, QLatin1Char('0'));
        handle_ = ::open(nativePath(temporaryPath_).constData(),
                         O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (handle_ < 0 && errno != EEXIST) {
            break;
        }
    }
    if (handle_ < 0) {
        const int error = errno;
        temporaryPath_.clear();
        return Status::failure(cannotWrite(path_, SystemError::reason(error)));
    }
#ifndef Q_OS_WIN
    if (exists) {
        ::fchmod(handle_, existing.st_mode & 07777);
    }
#endif
    device_ = std::make_unique<HandleDevice>(handle_);
    return Status::success();
}

QIODevice& AtomicFileWriter::device()
{
    Q_ASSERT(device_);
    return *device_;
}

void AtomicFileWriter::makeExecutable()
{
#ifndef Q_OS_WIN
    struct stat status {};
    if (handle_ < 0 || ::fstat(handle_, &status) != 0) {
        return;
    }
    mode_t mode = status.st_mode & 07777;
    mode |= S_IXUSR;
    if (mode & S_IRGRP) {
        mode |= S_IXGRP;
    }
    if (mode & S_IROTH) {
        mode |= S_IXOTH;
    }
    ::fchmod(handle_, mode);
#endif
}

Status AtomicFileWriter::explain(const Status& status) const
{
    if (device_ && device_->failure() != 0) {
        return Status::failure(cannotWrite(path_, SystemError::reason(device_->failure())));
    }
    return status;
}

Status AtomicFileWriter::commit()
{
    if (!device_) {
        return Status::failure(cannotWrite(path_, SystemError::reason(EBADF)));
    }
    if (device_->failure() != 0) {
        return fail(SystemError::reason(device_->failure()));
    }
    if (!syncHandle(handle_)) {
        return fail(SystemError::reason(errno));
    }
    device_.reset();
    const int handle = std::exchange(handle_, -1);
    if (::close(handle) != 0) {
        return fail(SystemError::reason(errno));
    }
    const QByteArray from = nativePath(temporaryPath_);
    const QByteArray to = nativePath(target_);
    struct stat existing {};
    if (::stat(to.constData(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        return fail(kNotRegular);
    }
    const bool renamed = existing_ == Existing::Keep
                             ? renameKeeping(from, to)
                             : std::rename(from.constData(), to.constData()) == 0;
    if (!renamed) {
        return fail(errno == EEXIST ? kAppeared : SystemError::reason(errno));
    }
    temporaryPath_.clear();
    if (!syncFolder(QFileInfo(target_).absolutePath())) {
        return Status::failure(cannotWrite(path_, SystemError::reason(errno)));
    }
    return Status::success();
}
