#include "document/SourceFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

class SourceFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QFile file(regular);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("twelve bytes");
    }

    // A reader stuck in open() on the FIFO is set free by a writer, so a failing test ends.
    void releaseFifo() const
    {
        const int handle = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (handle >= 0) {
            ::close(handle);
        }
    }

    QTemporaryDir dir;
    QString fifo = dir.filePath(QStringLiteral("fifo"));
    QString regular = dir.filePath(QStringLiteral("file.txt"));
};

TEST_F(SourceFileTest, AFifoIsRefusedAtOnceInsteadOfWaitingForAWriter)
{
    auto opened = std::async(std::launch::async, [this] { return SourceFile::open(fifo).ok(); });
    const bool finished = opened.wait_for(5s) == std::future_status::ready;
    if (!finished) {
        releaseFifo();
    }
    ASSERT_TRUE(finished) << "open() waited on the FIFO";
    EXPECT_FALSE(opened.get());
    EXPECT_EQ(SourceFile::open(fifo).error(), SourceFile::kNotRegular);
    EXPECT_FALSE(SourceFile::sizeOf(fifo).has_value());
    EXPECT_FALSE(SourceFile::read(fifo, 100).ok());
}

TEST_F(SourceFileTest, FoldersAndDevicesCountAsMissing)
{
    for (const QString& path :
         {dir.path(), QStringLiteral("/dev/null"), QStringLiteral("/dev/zero")}) {
        EXPECT_FALSE(SourceFile::open(path).ok()) << path.toStdString();
        EXPECT_FALSE(SourceFile::sizeOf(path).has_value()) << path.toStdString();
    }
    EXPECT_FALSE(SourceFile::open(dir.filePath(QStringLiteral("absent"))).ok());
    EXPECT_FALSE(SourceFile::open(QString()).ok());
}

TEST_F(SourceFileTest, ARegularFileIsReadWholeUpToTheLimit)
{
    ASSERT_TRUE(SourceFile::open(regular).ok());
    EXPECT_EQ(SourceFile::sizeOf(regular), 12);
    const Expected<QByteArray> whole = SourceFile::read(regular, 12);
    ASSERT_TRUE(whole.ok());
    EXPECT_EQ(whole.value(), "twelve bytes");
    const Expected<QByteArray> tooLarge = SourceFile::read(regular, 11);
    ASSERT_FALSE(tooLarge.ok());
    EXPECT_EQ(tooLarge.error(), SourceFile::kTooLarge);
}

}  // namespace
