#include "document/AtomicFileWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

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

}  // namespace
