#include "CraftedTemplate.h"
#include "builder/BuildProcedure.h"
#include "builder/IconPatch.h"
#include "document/ByteView.h"
#include "document/IconFile.h"
#include "document/PackagePlan.h"
#include "document/PackageReader.h"
#include "document/PackageWriter.h"
#include "media/MediaFactory.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace {

using Icon = Prompter::Icon;
using Answer = Prompter::Answer;

const QString kTitle = QStringLiteral("スクリーンセーバーの作成");
const QString kFailure = QStringLiteral("失敗");

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class BuildProcedureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        app = root.filePath("app");
        destination = root.filePath("out");
        QDir().mkpath(app);
        QDir().mkpath(destination);
        media = std::make_unique<MediaFactory>(root.filePath("media"));

        defaultIcon = IconImage::bytes(32, Qt::green, Qt::black, 32);
        writeFile(app + "/scricon.ico", defaultIcon);
        templateBytes = CraftedTemplate::bytes(defaultIcon);
        writeFile(app + "/Project.krt", templateBytes);

        const QString red = media->solidImage("red_8x8.bmp", {8, 8}, Qt::red);
        const QString blue = media->solidImage("blue_8x8.bmp", {8, 8}, Qt::blue);
        show.imagePaths = {red, blue, red, blue, red, blue};
        show.document.Slides.resize(show.imagePaths.size());
        show.document.SlideCount = show.imagePaths.size();
        show.document.Slides[1].SoundPath = media->wav("beep.wav", 50);
        show.document.Slides[5].SoundPath = media->wav("chime.wav", 60);
        show.bgmPath = media->midi("tune.mid");
        show.canvasWidth = 64;
        show.canvasHeight = 48;
        show.backColor = 0x00102030;

        request.destinationFolder = destination;
        request.fileName = "Stars";
        request.description = QStringLiteral("スクリーンセーバー");
        request.majorVersion = "1";
        request.minorVersion = "00";
        request.defaultIconPath = app + "/scricon.ico";
        request.chosenIconPath = request.defaultIconPath;
    }

    bool build()
    {
        const EditableShow before = show;
        BuildProcedure procedure(show, prompter, app);
        const BuildProcedure::Outcome outcome = procedure.run(request, hooks);
        BuildProcedure::tell(outcome, prompter);
        EXPECT_EQ(show, before) << "the build changed the show";
        return outcome.created();
    }

    QString output() const { return destination + "/Stars.scr"; }

    QStringList filesInDestination() const
    {
        return QDir(destination).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QByteArray expectedPackage(qint16 soundSwitchable) const
    {
        const Expected<PackagePlan> plan = PackagePlan::make(show, soundSwitchable);
        EXPECT_TRUE(plan.ok()) << plan.error().toStdString();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(PackageWriter::write(plan.value(), buffer).ok());
        return buffer.data();
    }

    void expectOnlyMessage(const QString& text, const QString& title, Icon icon)
    {
        ASSERT_EQ(prompter.asked.size(), 1);
        EXPECT_EQ(prompter.asked[0].text, text);
        EXPECT_EQ(prompter.asked[0].title, title);
        EXPECT_EQ(prompter.asked[0].icon, icon);
        EXPECT_EQ(prompter.asked[0].buttons, Prompter::Buttons::Ok);
    }

    QTemporaryDir root;
    QString app;
    QString destination;
    std::unique_ptr<MediaFactory> media;
    QByteArray defaultIcon;
    QByteArray templateBytes;
    EditableShow show;
    BuildRequest request;
    BuildProcedure::Hooks hooks;
    ScriptedPrompter prompter;
};

TEST_F(BuildProcedureTest, BuildWritesPatchedTemplateFollowedByThePackage)
{
    request.comment = "abc";
    request.soundSwitch = true;
    ASSERT_TRUE(build());

    expectOnlyMessage(QStringLiteral("作成しました。"), kTitle, Icon::Information);
    EXPECT_EQ(filesInDestination(), QStringList{"Stars.scr"});
    const QByteArray built = readFile(output());
    const QByteArray package = expectedPackage(1);
    ASSERT_EQ(built.size(), templateBytes.size() + package.size());
    EXPECT_EQ(built.mid(templateBytes.size()), package);
    EXPECT_EQ(built.left(CraftedTemplate::kBlockOffset),
              templateBytes.left(CraftedTemplate::kBlockOffset));
    EXPECT_GE(built.indexOf(defaultIcon), 0) << "the default icon must stay";

    const auto values = VersionResource::read(built);
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ((*values)[VersionResource::Comments], "abc");
    EXPECT_EQ((*values)[VersionResource::FileDescription], QStringLiteral("スクリーンセーバー"));
    EXPECT_EQ((*values)[VersionResource::FileVersion], "1.00");
    EXPECT_EQ((*values)[VersionResource::ProductVersion], "1.00");
    EXPECT_EQ((*values)[VersionResource::InternalName], "Stars");
    EXPECT_EQ((*values)[VersionResource::OriginalFilename], "Stars.scr");
    EXPECT_TRUE(QFileInfo(output()).isExecutable());

    const CoreExpected<PackageView> view = PackageReader::readTrailing(ByteView::of(built));
    ASSERT_TRUE(view.ok()) << view.error();
    EXPECT_EQ(view->SoundSwitchable, 1);
    EXPECT_EQ(view->bgmName, "bgm.mid");
}

TEST_F(BuildProcedureTest, DestinationWithOrWithoutSeparatorGivesTheSameOutputPath)
{
    BuildRequest with = request;
    with.destinationFolder = destination + "/";
    EXPECT_EQ(BuildProcedure::outputPath(with), output());
    EXPECT_EQ(BuildProcedure::outputPath(request), output());
    request.destinationFolder = destination + "/";
    ASSERT_TRUE(build());
    EXPECT_TRUE(QFileInfo::exists(output()));
}

TEST_F(BuildProcedureTest, MissingDestinationFolderStopsFirst)
{
    request.destinationFolder = root.filePath("nowhere");
    show.bgmPath = root.filePath("missing.mid");
    EXPECT_FALSE(build());
    expectOnlyMessage(QStringLiteral("保存先フォルダが存在しません。"), kTitle, Icon::Warning);
}

TEST_F(BuildProcedureTest, AnsweringNoToTheOverwriteQuestionLeavesTheFileUntouched)
{
    writeFile(output(), "old saver");
    prompter.answerNext(Answer::No);
    EXPECT_FALSE(build());

    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prompter.asked[0].text, QStringLiteral("以下のファイルは存在します。\r\n\r\n") +
                                          output() + QStringLiteral("\r\n\r\n上書きしますか？"));
    EXPECT_EQ(prompter.asked[0].title, kTitle);
    EXPECT_EQ(prompter.asked[0].icon, Icon::Question);
    EXPECT_EQ(prompter.asked[0].buttons, Prompter::Buttons::YesNo);
    EXPECT_EQ(readFile(output()), "old saver");
}

TEST_F(BuildProcedureTest, AnsweringYesKeepsTheOldFileUntilALaterCheckFails)
{
    writeFile(output(), "old saver");
    show.imagePaths[3] = root.filePath("gone.bmp");
    prompter.answerNext(Answer::Yes);
    EXPECT_FALSE(build());

    ASSERT_EQ(prompter.asked.size(), 2);
    EXPECT_EQ(prompter.asked[1].text, PackagePlan::missingImageMessage(root.filePath("gone.bmp")));
    EXPECT_EQ(prompter.asked[1].title, kFailure);
    EXPECT_EQ(readFile(output()), "old saver");
    EXPECT_EQ(filesInDestination(), QStringList{"Stars.scr"});
}

TEST_F(BuildProcedureTest, AnsweringYesReplacesTheFileWithAnExecutableOne)
{
    writeFile(output(), "old saver");
    ASSERT_TRUE(QFile::setPermissions(output(), QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_FALSE(QFileInfo(output()).isExecutable());
    prompter.answerNext(Answer::Yes);
    ASSERT_TRUE(build());
    EXPECT_EQ(prompter.asked.last().text, QStringLiteral("作成しました。"));
    EXPECT_EQ(readFile(output()).mid(templateBytes.size()), expectedPackage(0));
    EXPECT_TRUE(QFileInfo(output()).isExecutable());
}

TEST_F(BuildProcedureTest, OnlyTheFirstMissingFileIsReportedBgmThenImagesThenSounds)
{
    const QString bgm = show.bgmPath;
    const QString image = show.imagePaths[1];
    show.bgmPath = root.filePath("missing.mid");
    show.imagePaths[1] = root.filePath("missing.bmp");
    show.document.Slides[5].SoundPath = root.filePath("missing.wav");

    EXPECT_FALSE(build());
    expectOnlyMessage(PackagePlan::missingBgmMessage(), kFailure, Icon::Warning);

    // Every image is checked before any sound, even a sound of an earlier slide.
    show.bgmPath = bgm;
    show.document.Slides[0].SoundPath = root.filePath("earlier.wav");
    prompter.asked.clear();
    EXPECT_FALSE(build());
    expectOnlyMessage(PackagePlan::missingImageMessage(root.filePath("missing.bmp")), kFailure,
                      Icon::Warning);
    show.document.Slides[0].SoundPath.clear();

    show.imagePaths[1] = image;
    prompter.asked.clear();
    EXPECT_FALSE(build());
    expectOnlyMessage(PackagePlan::missingSoundMessage(root.filePath("missing.wav")), kFailure,
                      Icon::Warning);
    EXPECT_TRUE(filesInDestination().isEmpty());
    EXPECT_EQ(show.document.Slides[5].SoundPath, root.filePath("missing.wav"));
    EXPECT_EQ(show.document.Slides[1].SoundPath, media->path("beep.wav"));
}

TEST_F(BuildProcedureTest, EmptyMajorBecomesZeroAndVersionTextKeepsItsWidth)
{
    request.majorVersion = "";
    request.minorVersion = "5";
    ASSERT_TRUE(build());
    EXPECT_EQ(request.majorVersion, "0");

    const QByteArray built = readFile(output());
    for (const auto key : {VersionResource::FileVersion, VersionResource::ProductVersion}) {
        const qsizetype valueAt =
            VersionResource::findKey(built, key) + VersionResource::kFields[key].valueOffset * 2;
        EXPECT_EQ(built.mid(valueAt, 10), QByteArray("0\0.\0"
                                                     "0\0"
                                                     "5\0\0\0",
                                                     10));
    }
}

TEST_F(BuildProcedureTest, MissingTemplateOrVersionKeyStopsWithNothingWritten)
{
    QFile::remove(app + "/Project.krt");
    EXPECT_FALSE(build());
    expectOnlyMessage(QStringLiteral("テンプレートファイル(") + app +
                          QStringLiteral("/Project.krt)が見つかりません"),
                      kFailure, Icon::Warning);

    writeFile(app + "/Project.krt",
              CraftedTemplate::withoutKey(templateBytes, VersionResource::LegalTrademarks));
    prompter.asked.clear();
    EXPECT_FALSE(build());
    expectOnlyMessage(
        QStringLiteral("テンプレートファイル(") + app +
            QStringLiteral("/Project.krt)にバージョン情報(LegalTrademarks)がありません"),
        kFailure, Icon::Warning);
    EXPECT_TRUE(filesInDestination().isEmpty());
}

TEST_F(BuildProcedureTest, ChosenIconReplacesTheDefaultIconData)
{
    const QByteArray chosen = IconImage::bytes(32, Qt::red, Qt::white, 4);
    request.chosenIconPath = media->bytes("red32.ico", chosen);
    ASSERT_TRUE(build());

    const QByteArray built = readFile(output());
    QByteArray padded = chosen.mid(IconFile::kDataOffset);
    padded.append(defaultIcon.size() - chosen.size(), '\0');
    const qsizetype iconAt = templateBytes.indexOf(defaultIcon);
    EXPECT_EQ(built.mid(iconAt, IconFile::kDataOffset), defaultIcon.left(IconFile::kDataOffset));
    EXPECT_EQ(built.mid(iconAt + IconFile::kDataOffset, padded.size()), padded);
    EXPECT_EQ(built.size(), templateBytes.size() + expectedPackage(0).size());
}

TEST_F(BuildProcedureTest, UnusableIconsStopTheBuild)
{
    request.chosenIconPath = media->bytes("large.ico", defaultIcon + QByteArray(4, 'x'));
    EXPECT_FALSE(build());
    expectOnlyMessage(QStringLiteral("アイコン(") + request.chosenIconPath +
                          QStringLiteral(")は大きすぎて使えません"),
                      kTitle, Icon::Warning);

    request.chosenIconPath = media->bytes("short.ico", defaultIcon.left(IconFile::kDataOffset));
    prompter.asked.clear();
    EXPECT_FALSE(build());
    expectOnlyMessage(QStringLiteral("アイコンファイル(") + request.chosenIconPath +
                          QStringLiteral(")が壊れています"),
                      kFailure, Icon::Warning);

    request.chosenIconPath = media->icon("other.ico");
    QFile::remove(request.defaultIconPath);
    prompter.asked.clear();
    EXPECT_FALSE(build());
    expectOnlyMessage(QStringLiteral("アイコンファイル(") + request.defaultIconPath +
                          QStringLiteral(")が見つかりません"),
                      kFailure, Icon::Warning);
    EXPECT_TRUE(filesInDestination().isEmpty());
}

TEST_F(BuildProcedureTest, FailureWhileWritingLeavesNoTemporaryFileAndTheOldFileIntact)
{
    writeFile(output(), "old saver");
    prompter.answerNext(Answer::Yes);
    bool hidden = false;
    hooks.writingStarts = [&] {
        hidden = true;
        QFile image(show.imagePaths[0]);
        ASSERT_TRUE(image.open(QIODevice::Append));
        image.write("grown after the check");
    };
    EXPECT_FALSE(build());

    EXPECT_TRUE(hidden);
    ASSERT_EQ(prompter.asked.size(), 2);
    EXPECT_EQ(prompter.asked[1].title, kFailure);
    EXPECT_EQ(prompter.asked[1].icon, Icon::Warning);
    EXPECT_EQ(readFile(output()), "old saver");
    EXPECT_EQ(filesInDestination(), QStringList{"Stars.scr"});
}

// A full disk, in the template or in the package: one failure message, the old saver intact and
// no temporary file left.
TEST_F(BuildProcedureTest, FullDiskLeavesTheOldFileIntactAndNothingElse)
{
    constexpr rlim_t kBehindTemplate = 16;
    const qsizetype total = templateBytes.size() + expectedPackage(0).size();
    for (const rlim_t limit :
         {rlim_t(templateBytes.size() / 2), rlim_t(templateBytes.size()) + kBehindTemplate}) {
        ASSERT_LT(qsizetype(limit), total);
        writeFile(output(), "old saver");
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Writes beyond the limit fail with EFBIG instead of killing the process.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit fileSize{limit, limit};
            setrlimit(RLIMIT_FSIZE, &fileSize);
            prompter.answerNext(Answer::Yes);
            BuildProcedure procedure(show, prompter, app);
            const BuildProcedure::Outcome outcome = procedure.run(request);
            BuildProcedure::tell(outcome, prompter);
            const bool built = outcome.created();
            const bool toldOnce = prompter.asked.size() == 2 &&
                                  prompter.asked[1].title == kFailure &&
                                  prompter.asked[1].icon == Icon::Warning;
            _exit(!built && toldOnce ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "limit " << limit;
        EXPECT_EQ(readFile(output()), "old saver") << "limit " << limit;
        EXPECT_EQ(filesInDestination(), QStringList{"Stars.scr"}) << "limit " << limit;
    }
}

// The progress window must be gone before the closing message, or it stays on screen under it.
TEST_F(BuildProcedureTest, WritingEndsBeforeTheClosingMessageWhetherWritingWorkedOrNot)
{
    qsizetype messagesWhenWritingEnded = -1;
    hooks.writingEnds = [&] { messagesWhenWritingEnded = prompter.asked.size(); };
    EXPECT_TRUE(build());
    EXPECT_EQ(messagesWhenWritingEnded, 0);
    ASSERT_EQ(prompter.asked.size(), 1);

    prompter.asked.clear();
    messagesWhenWritingEnded = -1;
    prompter.answerNext(Answer::Yes);
    hooks.writingStarts = [&] { QFile::remove(show.imagePaths[0]); };
    EXPECT_FALSE(build());
    EXPECT_EQ(messagesWhenWritingEnded, 1);
    ASSERT_EQ(prompter.asked.size(), 2);
    EXPECT_EQ(prompter.asked[1].title, kFailure);
}

TEST_F(BuildProcedureTest, CancellingThroughProgressStopsSilentlyWithNothingWritten)
{
    qint64 lastTotal = 0;
    hooks.progress = [&](qint64, qint64 total) {
        lastTotal = total;
        return false;
    };
    EXPECT_FALSE(build());
    EXPECT_EQ(lastTotal, templateBytes.size() + expectedPackage(0).size());
    EXPECT_TRUE(prompter.asked.isEmpty());
    EXPECT_TRUE(filesInDestination().isEmpty());
}

TEST_F(BuildProcedureTest, ShowWithoutSlidesIsRefused)
{
    show = EditableShow{};
    EXPECT_FALSE(build());
    expectOnlyMessage(PackagePlan::noSlidesMessage(), kTitle, Icon::Warning);
    EXPECT_TRUE(filesInDestination().isEmpty());
}

}  // namespace
