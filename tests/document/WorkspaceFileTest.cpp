#include "document/TextCodec.h"
#include "document/WorkspaceFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <QtEndian>

#include <gtest/gtest.h>

#include <tuple>

#include <sys/stat.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

namespace {

// The worked example: BGM C:\m.mid, blue background, 320 x 240, one slide C:\a.bmp for
// 3000 ms at (10, 20), effect 5, no sound, keep-previous on, transparency off.
const QByteArray kExampleBytes = QByteArray::fromHex(
    "0300343030"
    "0800433a5c6d2e6d6964"
    "0000ff00"
    "40010000"
    "f0000000"
    "01000100000000000000"
    "0800433a5c612e626d70"
    "b80b0000"
    "0a000000"
    "14000000"
    "05000000"
    "0000"
    "0100"
    "0000");

WorkspaceRecord exampleRecord()
{
    WorkspaceRecord record;
    record.BgmPath = QStringLiteral("C:\\m.mid");
    record.BackColor = 0x00FF0000;
    record.CanvasWidth = 320;
    record.CanvasHeight = 240;
    WorkspaceSlide slide;
    slide.ImagePath = QStringLiteral("C:\\a.bmp");
    slide.DisplayTime = 3000;
    slide.PosX = 10;
    slide.PosY = 20;
    slide.EffectNumber = 5;
    slide.KeepPrevious = 1;
    record.Slides.append(slide);
    return record;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TEST(WorkspaceFileTest, WorkedExampleIsExactly69Bytes)
{
    ASSERT_EQ(kExampleBytes.size(), 69);
    EXPECT_EQ(WorkspaceFile::encode(exampleRecord()).toHex(' '), kExampleBytes.toHex(' '));
}

TEST(WorkspaceFileTest, WorkedExampleDecodesToTheRecord)
{
    const Expected<WorkspaceRecord> decoded = WorkspaceFile::decode(kExampleBytes);
    ASSERT_TRUE(decoded.ok()) << decoded.error().toStdString();
    EXPECT_EQ(decoded.value(), exampleRecord());
}

TEST(WorkspaceFileTest, JapanesePathsRoundTripAsUtf8)
{
    WorkspaceRecord record = exampleRecord();
    record.BgmPath = QStringLiteral("/音楽/テーマ曲.mid");
    record.Slides[0].ImagePath = QStringLiteral("/写真/富士山.jpg");
    record.Slides[0].SoundPath = QStringLiteral("/効果音/ポン.wav");
    const QByteArray bytes = WorkspaceFile::encode(record);
    EXPECT_TRUE(bytes.contains(QStringLiteral("富士山").toUtf8()));
    const Expected<WorkspaceRecord> decoded = WorkspaceFile::decode(bytes);
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.value(), record);
}

TEST(WorkspaceFileTest, Cp932TextsFromWindowsDecodeToJapanese)
{
    // "C:\写真\テスト.bmp" in CP932; 0x5C after a lead byte (e.g. 表 = 95 5C) is no separator.
    const QByteArray cp932 = QByteArray::fromHex("433a5c8eca905e5c8365835883672e626d70");
    EXPECT_EQ(TextCodec::decode(cp932), QStringLiteral("C:\\写真\\テスト.bmp"));
    EXPECT_EQ(TextCodec::decode(QByteArray::fromHex("955c8e86")), QStringLiteral("表紙"));

    QByteArray bytes = QByteArray::fromHex("0300343030") + QByteArray::fromHex("0000");
    bytes += QByteArray::fromHex(
        "00000000"
        "40010000"
        "f0000000"
        "01000100000000000000");
    bytes += char(cp932.size()) + QByteArray(1, '\0') + cp932;
    bytes += QByteArray::fromHex(
        "e8030000"
        "00000000"
        "00000000"
        "00000000"
        "0000"
        "0000"
        "0000");
    const Expected<WorkspaceRecord> decoded = WorkspaceFile::decode(bytes);
    ASSERT_TRUE(decoded.ok()) << decoded.error().toStdString();
    EXPECT_EQ(decoded->Slides[0].ImagePath, QStringLiteral("C:\\写真\\テスト.bmp"));
}

TEST(WorkspaceFileTest, RefusesAnythingButOneWholeRecord)
{
    auto refuses = [](const QByteArray& bytes) { return !WorkspaceFile::decode(bytes).ok(); };
    EXPECT_TRUE(refuses(QByteArray()));
    QByteArray wrongTag = kExampleBytes;
    wrongTag[4] = '1';  // "401"
    EXPECT_TRUE(refuses(wrongTag));
    EXPECT_TRUE(refuses(QByteArray::fromHex("0200") + "40"));
    for (int cut = 1; cut < kExampleBytes.size(); ++cut) {
        EXPECT_TRUE(refuses(kExampleBytes.left(cut))) << "cut at " << cut;
    }
}

TEST(WorkspaceFileTest, RefusesMalformedSlideArrays)
{
    constexpr int kArrayOffset = 5 + 10 + 12;
    auto withArray = [&](const QByteArray& descriptor) {
        return kExampleBytes.left(kArrayOffset) + descriptor + kExampleBytes.mid(kArrayOffset + 10);
    };
    // No slides, two dimensions, a first index other than 0, a negative count.
    EXPECT_FALSE(
        WorkspaceFile::decode(withArray(QByteArray::fromHex("01000000000000000000"))).ok());
    EXPECT_FALSE(
        WorkspaceFile::decode(withArray(QByteArray::fromHex("02000100000000000000"))).ok());
    EXPECT_FALSE(
        WorkspaceFile::decode(withArray(QByteArray::fromHex("01000100000001000000"))).ok());
    EXPECT_FALSE(
        WorkspaceFile::decode(withArray(QByteArray::fromHex("0100ffffffff00000000"))).ok());
    // Counts the bytes cannot hold are refused before anything is reserved for them.
    const Expected<WorkspaceRecord> huge =
        WorkspaceFile::decode(withArray(QByteArray::fromHex("0100ff7f000000000000")));
    ASSERT_FALSE(huge.ok());
    EXPECT_EQ(huge.error(), QStringLiteral("スライドの数がファイルの大きさに合いません"));
    EXPECT_FALSE(
        WorkspaceFile::decode(withArray(QByteArray::fromHex("01000200000000000000"))).ok());
    EXPECT_FALSE(
        WorkspaceFile::decode(withArray(QByteArray::fromHex("01000080000000000000"))).ok());
}

TEST(WorkspaceFileTest, RefusesTextLongerThanTheBytesLeft)
{
    QByteArray bytes = kExampleBytes;
    bytes[5] = char(0xFF);  // BGM path claims 255 bytes
    EXPECT_FALSE(WorkspaceFile::decode(bytes).ok());
}

TEST(WorkspaceFileTest, IgnoresBytesAfterTheRecord)
{
    const Expected<WorkspaceRecord> decoded = WorkspaceFile::decode(kExampleBytes + "garbage");
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.value(), exampleRecord());
}

TEST(WorkspaceFileTest, ShowRoundTripResetsSpeedIndexAndKeepsEverythingElse)
{
    EditableShow show;
    show.bgmPath = QStringLiteral("/music/theme.MIDI");
    show.canvasWidth = 640;
    show.canvasHeight = 480;
    show.backColor = 0x00123456;
    for (int i = 0; i < 3; ++i) {
        show.imagePaths.append(QStringLiteral("/pictures/%1.jpg").arg(i));
        SlideItem item;
        item.DisplayTime = 500 * (i + 1);
        item.PosX = -i;
        item.PosY = i * 7;
        item.EffectNumber = 10 + i;
        item.SpeedIndex = 3;
        item.SoundPath = i == 1 ? QStringLiteral("/sounds/pop.wav") : QString();
        item.KeepPrevious = qint16(i % 2);
        item.Transparent = qint16(1 - i % 2);
        show.document.Slides.append(item);
    }
    show.document.SlideCount = 3;

    const Expected<WorkspaceRecord> decoded =
        WorkspaceFile::decode(WorkspaceFile::encode(WorkspaceFile::fromShow(show)));
    ASSERT_TRUE(decoded.ok());
    const EditableShow loaded = WorkspaceFile::toShow(decoded.value());

    EditableShow expected = show;
    for (SlideItem& item : expected.document.Slides) {
        item.SpeedIndex = 0;
    }
    expected.document.BackColor = show.backColor;
    expected.document.CanvasWidth = show.canvasWidth;
    expected.document.CanvasHeight = show.canvasHeight;
    EXPECT_EQ(loaded, expected);
}

TEST(WorkspaceFileTest, SaveNameGetsTheSuffixUnlessItEndsInKwpInAnyCase)
{
    EXPECT_EQ(WorkspaceFile::withWorkspaceSuffix("show"), "show.kwp");
    EXPECT_EQ(WorkspaceFile::withWorkspaceSuffix("show.KWP"), "show.KWP");
    EXPECT_EQ(WorkspaceFile::withWorkspaceSuffix("show.txt"), "show.txt.kwp");
    EXPECT_EQ(WorkspaceFile::withWorkspaceSuffix("/d/写真.Kwp"), "/d/写真.Kwp");
}

class WorkspaceSaveTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString target = dir.filePath(QStringLiteral("show.kwp"));
};

TEST_F(WorkspaceSaveTest, SaveReplacesTheFileAndLoadReadsItBack)
{
    ASSERT_TRUE(writeAll(target, "old contents that are longer than nothing"));
    const Status saved = WorkspaceFile::save(target, exampleRecord());
    ASSERT_TRUE(saved.ok()) << saved.error().toStdString();
    EXPECT_EQ(readAll(target), kExampleBytes);
    const Expected<WorkspaceRecord> loaded = WorkspaceFile::load(target);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.value(), exampleRecord());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("show.kwp")});
}

TEST_F(WorkspaceSaveTest, LoadRefusesMissingAndEmptyFiles)
{
    EXPECT_FALSE(WorkspaceFile::load(dir.filePath(QStringLiteral("missing.kwp"))).ok());
    ASSERT_TRUE(writeAll(target, QByteArray()));
    EXPECT_FALSE(WorkspaceFile::load(target).ok());
}

TEST_F(WorkspaceSaveTest, SaveRefusesRecordsTheFormatCannotHold)
{
    WorkspaceRecord empty = exampleRecord();
    empty.Slides.clear();
    EXPECT_FALSE(WorkspaceFile::save(target, empty).ok());
    WorkspaceRecord longPath = exampleRecord();
    longPath.Slides[0].SoundPath = QString(70000, QLatin1Char('x'));
    EXPECT_FALSE(WorkspaceFile::save(target, longPath).ok());
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(WorkspaceSaveTest, FailedWriteLeavesTheOldFileIntact)
{
    ASSERT_TRUE(writeAll(target, kExampleBytes));
    WorkspaceRecord large = exampleRecord();
    for (int i = 0; i < 40; ++i) {
        WorkspaceSlide slide = large.Slides[0];
        slide.ImagePath = QString(60000, QLatin1Char('a' + i % 26));
        large.Slides.append(slide);
    }
    constexpr rlim_t kFileSizeLimit = 64 * 1024;

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Writes beyond the limit fail with EFBIG instead of killing the process.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{kFileSizeLimit, kFileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(WorkspaceFile::save(target, large).ok() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << "save must report the failed write";
    EXPECT_EQ(readAll(target), kExampleBytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("show.kwp")});
}

TEST(WorkspaceFileTest, RefusesCanvasSidesTheSizeDialogCannotMake)
{
    // Width at bytes 19..22, height at 23..26 of the worked example.
    for (const auto& [at, side, accepted] :
         {std::tuple{19, 9999, true}, std::tuple{19, 10000, false}, std::tuple{23, 60000, false},
          std::tuple{23, -1, false}, std::tuple{19, 0, true}}) {
        QByteArray bytes = kExampleBytes;
        qToLittleEndian<qint32>(side, bytes.data() + at);
        const Expected<WorkspaceRecord> record = WorkspaceFile::decode(bytes);
        EXPECT_EQ(record.ok(), accepted) << side;
        if (!accepted) {
            EXPECT_EQ(record.error(), WorkspaceFile::kCanvasOutOfRange);
        }
    }
}

TEST_F(WorkspaceSaveTest, LoadTakesOnlyRegularFilesAndSaysWhenAFileIsNoWorkspace)
{
    const QString fifo = dir.filePath(QStringLiteral("fifo.kwp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(WorkspaceFile::load(fifo).ok());
    EXPECT_FALSE(WorkspaceFile::load(dir.path()).ok());
    EXPECT_FALSE(WorkspaceFile::load(QStringLiteral("/dev/urandom")).ok());
    // The system tells no size for its information files, but they are not empty.
    const Expected<WorkspaceRecord> status =
        WorkspaceFile::load(QStringLiteral("/proc/self/status"));
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error(), QStringLiteral("作業ファイルの形式ではありません"));
}

}  // namespace
