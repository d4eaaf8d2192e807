#include "EditorFixture.h"

#include "document/WorkspaceFile.h"
#include "editor/CanvasPicture.h"
#include "editor/FileCommands.h"
#include "editor/PropertyPanel.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include <sys/resource.h>

#include <csignal>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Files written while it lives stop at `bytes`: a write beyond fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        const rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

private:
    rlimit old_{};
};

class FileCommandsTest : public EditorFixture {
protected:
    // A show of three slides with every editable field set.
    QStringList makeShow()
    {
        const QStringList paths = addSlides(3);
        for (int i = 0; i < 3; ++i) {
            SlideItem slide;
            slide.DisplayTime = 1500 + i;
            slide.PosX = -10 * i;
            slide.PosY = 20 + i;
            slide.EffectNumber = 5 + i;
            slide.SpeedIndex = 3;
            slide.SoundPath = QStringLiteral("/sounds/s%1.wav").arg(i);
            slide.KeepPrevious = static_cast<qint16>(i % 2);
            slide.Transparent = 1;
            editSlide(i, slide);
        }
        document().setCanvasSize(QSize(320, 240));
        document().setBackColor(0x00ff0000);
        bgmBox()->setText("/music/m.mid");
        return paths;
    }
    QString savedAs(const QString& answer)
    {
        questions.answerNext(answer);
        action("menuSaveData")->trigger();
        return answer;
    }
};

TEST_F(FileCommandsTest, SavingWithNoSlidesAsksNothing)
{
    action("menuSaveData")->trigger();
    button("Command10")->click();
    EXPECT_TRUE(questions.asked.isEmpty());
}

TEST_F(FileCommandsTest, SavedShowOpensBackWithSpeedsAtZeroAndEverythingElseEqual)
{
    const QStringList paths = makeShow();
    const QString file = dir.filePath("show");
    savedAs(file);
    ASSERT_TRUE(QFileInfo(file + ".kwp").isFile());
    EXPECT_TRUE(prompter.asked.isEmpty()) << "no message after a successful save";

    QList<SlideItem> expected = document().record().Slides;
    for (SlideItem& slide : expected) {
        slide.SpeedIndex = 0;
    }
    action("menusinki")->trigger();
    ASSERT_EQ(document().count(), 0);

    questions.answerNext(file + ".kwp");
    button("Command11")->click();
    EXPECT_EQ(document().paths(), paths);
    EXPECT_EQ(document().record().Slides, expected);
    EXPECT_EQ(document().record().SlideCount, 3);
    EXPECT_EQ(document().record().CanvasWidth, 320);
    EXPECT_EQ(document().record().CanvasHeight, 240);
    EXPECT_EQ(document().record().BackColor, 0x00ff0000u);
    EXPECT_EQ(canvas()->innerWidth(), 320);
    EXPECT_EQ(canvas()->innerHeight(), 240);
    EXPECT_EQ(canvas()->backColor(), 0x00ff0000u);
    EXPECT_EQ(bgmBox()->text(), "/music/m.mid");
    EXPECT_EQ(document().currentIndex(), 0);
    EXPECT_EQ(panel()->Text1->text(), "1500");
}

TEST_F(FileCommandsTest, TheSuffixIsAddedUnlessTheNameEndsInKwpInAnyCase)
{
    makeShow();
    savedAs(dir.filePath("show"));
    savedAs(dir.filePath("upper.KWP"));
    savedAs(dir.filePath("notes.txt"));
    EXPECT_TRUE(QFileInfo(dir.filePath("show.kwp")).isFile());
    EXPECT_TRUE(QFileInfo(dir.filePath("upper.KWP")).isFile());
    EXPECT_FALSE(QFileInfo(dir.filePath("upper.KWP.kwp")).exists());
    EXPECT_TRUE(QFileInfo(dir.filePath("notes.txt.kwp")).isFile());
    EXPECT_FALSE(QFileInfo(dir.filePath("notes.txt")).exists());
}

TEST_F(FileCommandsTest, AnsweringYesReplacesTheExistingFile)
{
    makeShow();
    const QString target = media.bytes("old.kwp", "old contents");
    prompter.answerNext(Prompter::Answer::Yes);
    savedAs(target);
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prompter.asked[0].text,
              target + QStringLiteral(" ファイルはすでに存在します。\r\n上書きしますか？"));
    EXPECT_EQ(prompter.asked[0].title, QStringLiteral("作業中のデータの保存"));
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::Warning);
    EXPECT_EQ(prompter.asked[0].buttons, Prompter::Buttons::YesNoCancel);
    EXPECT_EQ(readAll(target), WorkspaceFile::encode(WorkspaceFile::fromShow(document().show())));
}

TEST_F(FileCommandsTest, AnOverwriteThatCannotBeWrittenKeepsTheOldFile)
{
    makeShow();
    const QString target = media.bytes("old.kwp", "old contents");
    prompter.answerNext(Prompter::Answer::Yes);
    {
        const FileSizeLimit limit(16);
        savedAs(target);
    }
    EXPECT_EQ(readAll(target), "old contents");
    ASSERT_EQ(prompter.asked.size(), 2);
    EXPECT_EQ(prompter.asked[1].title, QStringLiteral("作業中のデータの保存"));
    EXPECT_EQ(prompter.asked[1].icon, Prompter::Icon::Warning);
    EXPECT_EQ(prompter.asked[1].buttons, Prompter::Buttons::Ok);
    EXPECT_EQ(QDir(dir.path()).entryList({"*.kwp*"}, QDir::Files), QStringList{"old.kwp"})
        << "no temporary file is left behind";
}

TEST_F(FileCommandsTest, AnsweringNoAsksForAnotherName)
{
    makeShow();
    const QString target = media.bytes("old.kwp", "old contents");
    prompter.answerNext(Prompter::Answer::No);
    questions.answerNext(target);
    questions.answerNext(dir.filePath("other"));
    action("menuSaveData")->trigger();
    EXPECT_EQ(questions.asked, QStringList({"AskWorkspaceSavePath", "AskWorkspaceSavePath"}));
    EXPECT_EQ(readAll(target), "old contents");
    EXPECT_TRUE(QFileInfo(dir.filePath("other.kwp")).isFile());
}

TEST_F(FileCommandsTest, AnsweringCancelWritesNothing)
{
    makeShow();
    const QString target = media.bytes("old.kwp", "old contents");
    prompter.answerNext(Prompter::Answer::Cancel);
    savedAs(target);
    EXPECT_EQ(questions.asked.size(), 1);
    EXPECT_EQ(readAll(target), "old contents");
}

TEST_F(FileCommandsTest, AFailedSaveSaysSoAndLeavesWhatWasThere)
{
    makeShow();
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.kwp"));
    savedAs(dir.filePath("taken.kwp"));
    savedAs(dir.filePath("no/such/folder/show.kwp"));
    ASSERT_EQ(prompter.asked.size(), 2);
    for (const ScriptedPrompter::Question& question : prompter.asked) {
        EXPECT_EQ(question.title, QStringLiteral("作業中のデータの保存"));
        EXPECT_EQ(question.icon, Prompter::Icon::Warning);
        EXPECT_FALSE(question.text.isEmpty());
    }
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.kwp")).isDir());
}

TEST_F(FileCommandsTest, AFileThatIsNotAWorkspaceIsRefusedAndNothingChanges)
{
    const QStringList paths = makeShow();
    const QList<SlideItem> slides = document().record().Slides;
    for (const QByteArray& bytes : {QByteArray(),
                                    QByteArray("\x03\x00"
                                               "399",
                                               5),
                                    QByteArray("\x03\x00"
                                               "400\x00",
                                               6)}) {
        questions.answerNext(media.bytes("bad.kwp", bytes));
        action("menuOpen")->trigger();
    }
    ASSERT_EQ(prompter.asked.size(), 3);
    for (const ScriptedPrompter::Question& question : prompter.asked) {
        EXPECT_EQ(question.text, QStringLiteral("開けません"));
        EXPECT_EQ(question.title, QStringLiteral("失敗"));
        EXPECT_EQ(question.icon, Prompter::Icon::Warning);
        EXPECT_EQ(question.buttons, Prompter::Buttons::Ok);
    }
    EXPECT_EQ(document().paths(), paths);
    EXPECT_EQ(document().record().Slides, slides);
    EXPECT_EQ(canvas()->innerWidth(), 320);
}

TEST_F(FileCommandsTest, AWorkspaceWithACanvasTheSizeDialogCannotMakeIsRefused)
{
    const QStringList paths = makeShow();
    const auto workspaceWithCanvas = [this](qint32 width, qint32 height) {
        EditableShow show = document().show();
        show.canvasWidth = width;
        show.canvasHeight = height;
        const QString path = dir.filePath(QStringLiteral("canvas%1x%2.kwp").arg(width).arg(height));
        EXPECT_TRUE(WorkspaceFile::save(path, WorkspaceFile::fromShow(show)).ok());
        return path;
    };
    for (const QString& path :
         {workspaceWithCanvas(2147483647, 10), workspaceWithCanvas(10, 10000),
          workspaceWithCanvas(-1, 10), workspaceWithCanvas(10, -2147483647 - 1)}) {
        questions.answerNext(path);
        action("menuOpen")->trigger();
    }
    ASSERT_EQ(prompter.asked.size(), 4);
    for (const ScriptedPrompter::Question& question : prompter.asked) {
        EXPECT_EQ(question.text, QStringLiteral("開けません"));
        EXPECT_EQ(question.title, QStringLiteral("失敗"));
    }
    EXPECT_EQ(document().paths(), paths);
    EXPECT_EQ(canvas()->innerWidth(), 320);
    EXPECT_EQ(canvas()->innerHeight(), 240);

    questions.answerNext(workspaceWithCanvas(9999, 1));
    action("menuOpen")->trigger();
    EXPECT_EQ(prompter.asked.size(), 4);
    EXPECT_EQ(canvas()->innerWidth(), 9999);
    EXPECT_EQ(canvas()->innerHeight(), 1);
}

TEST_F(FileCommandsTest, CancellingTheOpenDialogChangesNothing)
{
    const QStringList paths = makeShow();
    action("menuOpen")->trigger();
    EXPECT_EQ(document().paths(), paths);
    EXPECT_TRUE(prompter.asked.isEmpty());
}

TEST_F(FileCommandsTest, NewKeepsNothingOfThePreviousShow)
{
    makeShow();
    panel()->Combo1->setCurrentIndex(7);
    button("Command1")->click();
    EXPECT_EQ(document().count(), 0);
    EXPECT_EQ(document().currentIndex(), -1);
    EXPECT_EQ(document().record(), ShowDocument());
    EXPECT_EQ(bgmBox()->text(), QString());
    EXPECT_EQ(canvas()->size(), QSize(254, 254));
    EXPECT_EQ(canvas()->backColor(), 0u);
    EXPECT_EQ(canvas()->image().pixel(5, 5), qRgb(0, 0, 0));
    EXPECT_EQ(panel()->Combo1->currentIndex(), 0);
    EXPECT_EQ(panel()->Text2[0]->text(), "0");
}

TEST_F(FileCommandsTest, ExitClosesTheWindowWithoutAsking)
{
    makeShow();
    action("menuend")->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(prompter.asked.isEmpty());
    EXPECT_TRUE(questions.asked.isEmpty());
}

}  // namespace
