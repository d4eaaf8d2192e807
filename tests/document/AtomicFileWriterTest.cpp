#include "document/AtomicFileWriter.h"
#include "document/SystemError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <latch>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The permissions of owner, group and others (Qt also reports the user's, the same as the owner's).
constexpr QFileDevice::Permissions kOwnerGroupOther = QFileDevice::Permissions::fromInt(0x7077);

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class AtomicFileWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }

    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files); }

    QTemporaryDir dir;
    QString target = dir.filePath(QStringLiteral("target.bin"));
};

TEST_F(AtomicFileWriterTest, OldFileStaysUntilCommit)
{
    AtomicFileWriter writer(target);
    ASSERT_TRUE(writer.open().ok());
    writer.device().write("new contents");
    EXPECT_EQ(readAll(target), "old");
    ASSERT_TRUE(writer.commit().ok());
    EXPECT_EQ(readAll(target), "new contents");
    EXPECT_EQ(files(), QStringList{QStringLiteral("target.bin")});
}

TEST_F(AtomicFileWriterTest, AbandonedWriterLeavesNoTraces)
{
    {
        AtomicFileWriter writer(target);
        ASSERT_TRUE(writer.open().ok());
        writer.device().write("never committed");
    }
    EXPECT_EQ(readAll(target), "old");
    EXPECT_EQ(files(), QStringList{QStringLiteral("target.bin")});
}

TEST_F(AtomicFileWriterTest, MissingFolderFailsToOpen)
{
    AtomicFileWriter writer(dir.filePath(QStringLiteral("no/such/folder/file")));
    const Status opened = writer.open();
    EXPECT_FALSE(opened.ok());
    EXPECT_FALSE(opened.error().isEmpty());
    EXPECT_FALSE(writer.commit().ok());
}

TEST_F(AtomicFileWriterTest, ADestinationThatIsNoRegularFileIsRefusedAndLeftAlone)
{
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QStringList targets = {fifo, dir.path()};
    const QString device = dir.filePath(QStringLiteral("null"));
    if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0) {
        targets.append(device);
    }
    for (const QString& path : targets) {
        struct stat before {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
        AtomicFileWriter writer(path);
        const Status opened = writer.open();
        ASSERT_FALSE(opened.ok()) << path.toStdString();
        EXPECT_TRUE(opened.error().contains(path));
        EXPECT_TRUE(opened.error().contains(AtomicFileWriter::kNotRegular));
        struct stat after {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &after), 0);
        EXPECT_EQ(before.st_mode, after.st_mode);
        EXPECT_EQ(before.st_rdev, after.st_rdev);
    }
}

TEST_F(AtomicFileWriterTest, KeepingRefusesAFileThatAppearedMeanwhile)
{
    const QString fresh = dir.filePath(QStringLiteral("fresh.bin"));
    AtomicFileWriter writer(fresh, AtomicFileWriter::Existing::Keep);
    ASSERT_TRUE(writer.open().ok());
    writer.device().write("mine");
    {
        QFile other(fresh);
        ASSERT_TRUE(other.open(QIODevice::WriteOnly));
        other.write("theirs");
    }
    const Status committed = writer.commit();
    ASSERT_FALSE(committed.ok());
    EXPECT_TRUE(committed.error().contains(fresh));
    EXPECT_TRUE(committed.error().contains(AtomicFileWriter::kAppeared));
    EXPECT_EQ(readAll(fresh), "theirs");
    EXPECT_EQ(files().size(), 2);  // target.bin and fresh.bin, no temporary file left
}

TEST_F(AtomicFileWriterTest, OfTwoWritersRacingForANewNameExactlyOneWins)
{
    constexpr int kRounds = 40;
    for (int round = 0; round < kRounds; ++round) {
        const QString path = dir.filePath(QStringLiteral("race%1").arg(round));
        std::atomic<int> won{0};
        std::latch ready(2);
        auto write = [&](const QByteArray& text) {
            AtomicFileWriter writer(path, AtomicFileWriter::Existing::Keep);
            ASSERT_TRUE(writer.open().ok());
            writer.device().write(text);
            ready.arrive_and_wait();
            if (writer.commit().ok()) {
                ++won;
            }
        };
        std::thread first(write, QByteArray("first"));
        std::thread second(write, QByteArray("second"));
        first.join();
        second.join();
        EXPECT_EQ(won.load(), 1) << "round " << round;
    }
}

TEST_F(AtomicFileWriterTest, ReplacingKeepsTheOldPermissionsAndProgramsBecomeExecutable)
{
    ASSERT_TRUE(
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    {
        AtomicFileWriter writer(target);
        ASSERT_TRUE(writer.open().ok());
        writer.device().write("again");
        ASSERT_TRUE(writer.commit().ok());
    }
    EXPECT_EQ(QFile::permissions(target) & kOwnerGroupOther,
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    AtomicFileWriter program(target);
    ASSERT_TRUE(program.open().ok());
    program.makeExecutable();
    ASSERT_TRUE(program.commit().ok());
    EXPECT_EQ(QFile::permissions(target) & kOwnerGroupOther,
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                  QFile::ExeGroup);
}

// A file size limit stands in for a full disk: the write fails, the message names the file and
// the reason in Japanese, and the old file stays.
TEST_F(AtomicFileWriterTest, AFailedWriteSaysWhichFileAndWhy)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize{16, 16};
        setrlimit(RLIMIT_FSIZE, &fileSize);
        AtomicFileWriter writer(target);
        if (!writer.open().ok()) {
            _exit(2);
        }
        const bool written = writer.device().write(QByteArray(64, 'x')) == 64;
        const Status explained = writer.explain(Status::failure(QStringLiteral("x")));
        const Status committed = writer.commit();
        const bool told = explained.error() == QStringLiteral("ファイル(") + target +
                                                   QStringLiteral(")に書き込めません: ") +
                                                   SystemError::kTooLarge &&
                          committed.error().contains(SystemError::kTooLarge);
        _exit(!written && told ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readAll(target), "old");
    EXPECT_EQ(files(), QStringList{QStringLiteral("target.bin")});
}

TEST(SystemErrorTest, CommonReasonsAreToldInJapaneseTheRestAsTheSystemWordsThem)
{
    EXPECT_EQ(SystemError::reason(ENOSPC), QStringLiteral("ディスクの空き容量が足りません"));
    EXPECT_EQ(SystemError::reason(EACCES), SystemError::kNoPermission);
    EXPECT_EQ(SystemError::reason(EPERM), SystemError::kNoPermission);
    EXPECT_EQ(SystemError::reason(EROFS), SystemError::kReadOnly);
    EXPECT_EQ(SystemError::reason(ENOENT), SystemError::kNotFound);
    EXPECT_EQ(SystemError::reason(EFBIG), SystemError::kTooLarge);
    EXPECT_EQ(SystemError::reason(EIO), QString::fromLocal8Bit(std::strerror(EIO)));
}

TEST_F(AtomicFileWriterTest, ALinkToTheFileStaysALink)
{
    const QString link = dir.filePath(QStringLiteral("link.bin"));
    ASSERT_TRUE(QFile::link(target, link));
    AtomicFileWriter writer(link);
    ASSERT_TRUE(writer.open().ok());
    writer.device().write("through the link");
    ASSERT_TRUE(writer.commit().ok());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readAll(target), "through the link");
}

}  // namespace
