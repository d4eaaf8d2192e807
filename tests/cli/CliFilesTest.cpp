// Paths that are not regular files, limits every reader keeps, and builds racing for one name,
// as kremoa-cli meets them.

#include "CliRunner.h"
#include "media/MediaFactory.h"

#include "document/WorkspaceFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/types.h>

namespace {

// A run that would wait on a FIFO is killed after this long and fails the test.
constexpr int kPromptMs = 20000;

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray showJson(const QString& image, int width = 64, int height = 48,
                    const QString& bgm = QString())
{
    return QStringLiteral(R"({"bgm": "%1", "canvasWidth": %2, "canvasHeight": %3,
        "slides": [{"image": "%4"}]})")
        .arg(bgm)
        .arg(width)
        .arg(height)
        .arg(image)
        .toUtf8();
}

bool isFifo(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

CliRunner::Result runPromptly(const QStringList& args)
{
    return CliRunner::run(args, QProcessEnvironment::systemEnvironment(), kPromptMs);
}

class CliFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        image = media.solidImage("red.bmp", {8, 8}, Qt::red);
        ASSERT_TRUE(writeAll(path("show.json"), showJson(image)));
        ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    }

    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
    MediaFactory media{dir.path()};
    QString image;
};

TEST_F(CliFilesTest, AFifoGivenAsTheShowIsRefusedWithoutWaiting)
{
    const QString fifo = path("fifo");
    for (const QStringList& args : {QStringList{"workspace", "dump", fifo},
                                    QStringList{"play", fifo, "--simulate", "--stop-at", "100"},
                                    QStringList{"build", fifo, "--out", path("a.scr")},
                                    QStringList{"package", fifo, path("out.pkg")}}) {
        const CliRunner::Result result = runPromptly(args);
        EXPECT_EQ(result.exitCode, 2) << args.join(' ').toStdString();
    }
    const CliRunner::Result json = runPromptly({"workspace", "write", fifo + ".json", path("x")});
    EXPECT_EQ(json.exitCode, 2);
    EXPECT_TRUE(isFifo(fifo));
}

TEST_F(CliFilesTest, AFifoAsPictureOrIconDoesNotHangAndCountsAsMissing)
{
    ASSERT_TRUE(writeAll(path("fifo-show.json"), showJson(path("fifo"))));
    const CliRunner::Result played =
        runPromptly({"play", path("fifo-show.json"), "--simulate", "--transitions", "1"});
    EXPECT_EQ(played.exitCode, 0) << played.errText().toStdString();

    const CliRunner::Result built =
        runPromptly({"build", path("fifo-show.json"), "--out", path("a.scr")});
    EXPECT_EQ(built.exitCode, 2);
    EXPECT_FALSE(QFileInfo::exists(path("a.scr")));

    const CliRunner::Result icon =
        runPromptly({"build", path("show.json"), "--out", path("b.scr"), "--icon", path("fifo")});
    EXPECT_EQ(icon.exitCode, 2);
    EXPECT_TRUE(icon.errText().contains(QStringLiteral("32×32")));
    EXPECT_FALSE(QFileInfo::exists(path("b.scr")));
}

TEST_F(CliFilesTest, ADestinationThatIsNoRegularFileIsRefusedAndLeftAsItIs)
{
    QStringList targets = {path("fifo"), dir.path()};
    // A character device like /dev/null, where the system lets us make one.
    if (::mknod(QFile::encodeName(path("null")).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0) {
        targets.append(path("null"));
    }
    for (const QString& target : targets) {
        const QFileInfo before(target);
        for (const QStringList& args :
             {QStringList{"workspace", "write", path("show.json"), target},
              QStringList{"package", path("show.json"), target}}) {
            const CliRunner::Result result = runPromptly(args);
            EXPECT_EQ(result.exitCode, 2) << args.join(' ').toStdString();
            EXPECT_TRUE(result.errText().contains(target)) << result.errText().toStdString();
            EXPECT_TRUE(result.errText().contains(QStringLiteral("通常のファイルではありません")));
        }
        const QFileInfo after(target);
        EXPECT_EQ(after.isFile(), false) << target.toStdString();
        EXPECT_EQ(before.isDir(), after.isDir());
    }
    EXPECT_TRUE(isFifo(path("fifo")));

    ASSERT_TRUE(QDir().mkpath(path("dest")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("dest/Saver.scr")).constData(), 0600), 0);
    const CliRunner::Result built =
        runPromptly({"build", path("show.json"), "--out", path("dest/Saver.scr"), "--overwrite"});
    EXPECT_EQ(built.exitCode, 2);
    EXPECT_TRUE(isFifo(path("dest/Saver.scr")));
    EXPECT_EQ(QDir(path("dest"))
                  .entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              QStringList{"Saver.scr"});
}

TEST_F(CliFilesTest, FilesThatAreNoWorkspaceCannotBeOpened)
{
    for (const QString& file :
         {QStringLiteral("/proc/self/status"), QStringLiteral("/dev/urandom")}) {
        const CliRunner::Result result = runPromptly({"workspace", "dump", file});
        EXPECT_EQ(result.exitCode, 2);
        const QString errors = result.errText();
        EXPECT_TRUE(errors.contains(WorkspaceFile::kCannotOpenMessage));
        EXPECT_FALSE(errors.contains(QStringLiteral("ファイルが空です"))) << errors.toStdString();
    }
}

TEST_F(CliFilesTest, EveryReaderRefusesACanvasTheEditorCouldNotMake)
{
    ASSERT_TRUE(writeAll(path("wide.json"), showJson(image, 10000, 10)));
    for (const QStringList& args :
         {QStringList{"play", path("wide.json"), "--simulate", "--transitions", "1"},
          QStringList{"build", path("wide.json"), "--out", path("w.scr")},
          QStringList{"workspace", "write", path("wide.json"), path("w.kwp")}}) {
        const CliRunner::Result result = runPromptly(args);
        EXPECT_EQ(result.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(result.errText().contains(WorkspaceFile::kCannotOpenMessage));
    }
    EXPECT_FALSE(QFileInfo::exists(path("w.scr")));

    // The same canvas in a workspace file written by other means.
    ASSERT_TRUE(
        CliRunner::run({"workspace", "write", path("show.json"), path("show.kwp")}).exitCode == 0);
    QFile workspace(path("show.kwp"));
    ASSERT_TRUE(workspace.open(QIODevice::ReadWrite));
    QByteArray bytes = workspace.readAll();
    const qsizetype widthAt = bytes.indexOf(QByteArray::fromHex("40000000"));
    ASSERT_GT(widthAt, 0);
    bytes.replace(widthAt, 4, QByteArray::fromHex("10270000"));  // 10000
    ASSERT_TRUE(workspace.seek(0));
    ASSERT_EQ(workspace.write(bytes), bytes.size());
    workspace.close();
    const CliRunner::Result dumped = runPromptly({"workspace", "dump", path("show.kwp")});
    EXPECT_EQ(dumped.exitCode, 2);
    EXPECT_TRUE(dumped.errText().contains(WorkspaceFile::kCanvasOutOfRange));
}

TEST_F(CliFilesTest, AnEmptyCanvasIsRefusedTheSameWayWithOrWithoutFrameDumps)
{
    ASSERT_TRUE(writeAll(path("empty.json"), showJson(image, 0, 0)));
    const CliRunner::Result plain =
        runPromptly({"play", path("empty.json"), "--simulate", "--transitions", "1"});
    const CliRunner::Result dumped =
        runPromptly({"play", path("empty.json"), "--simulate", "--transitions", "1",
                     "--dump-frames", path("frames")});
    EXPECT_EQ(plain.exitCode, 2);
    EXPECT_EQ(dumped.exitCode, 2);
    EXPECT_EQ(plain.errText(), dumped.errText());
    EXPECT_TRUE(plain.out.isEmpty());
}

TEST_F(CliFilesTest, APathWithALoneSurrogateIsRefused)
{
    ASSERT_TRUE(writeAll(path("odd.json"), showJson(QStringLiteral("/tmp/a\\ud800.bmp"))));
    const CliRunner::Result result =
        runPromptly({"workspace", "write", path("odd.json"), path("odd.kwp")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(QFileInfo::exists(path("odd.kwp")));
}

TEST_F(CliFilesTest, AnUpperCaseSaverSuffixIsTheSaverSuffix)
{
    const CliRunner::Result result =
        runPromptly({"build", path("show.json"), "--out", path("Upper.SCR")});
    ASSERT_EQ(result.exitCode, 0) << result.errText().toStdString();
    EXPECT_TRUE(QFileInfo::exists(path("Upper.scr")));
    EXPECT_FALSE(QFileInfo::exists(path("Upper.SCR.scr")));
}

// Without --overwrite, of two builds racing for one new name exactly one writes it.
TEST_F(CliFilesTest, OfTwoBuildsRacingForANewNameExactlyOneSucceeds)
{
    constexpr int kRounds = 8;
    for (int round = 0; round < kRounds; ++round) {
        const QString out = dir.filePath(QStringLiteral("race%1.scr").arg(round));
        QProcess first;
        QProcess second;
        for (QProcess* process : {&first, &second}) {
            process->start(CliRunner::program(), {"build", path("show.json"), "--out", out});
        }
        ASSERT_TRUE(first.waitForFinished(kPromptMs));
        ASSERT_TRUE(second.waitForFinished(kPromptMs));
        const int succeeded = (first.exitCode() == 0) + (second.exitCode() == 0);
        EXPECT_EQ(succeeded, 1) << "round " << round;
        EXPECT_EQ(first.exitCode() + second.exitCode(), 2) << "round " << round;
    }
}

}  // namespace
