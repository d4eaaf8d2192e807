#include "dialogs/FileDialogQuestions.h"

#include "DialogTestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

const QChar kNul(u'\0');

class FileDialogQuestionsTest : public DialogTest {
protected:
    void SetUp() override { QDir::setCurrent(dir.path()); }
    void TearDown() override { QDir::setCurrent(startFolder); }

    // Types `names` into the open dialog's name box and confirms, recording how it was set up.
    void answerWith(const QString& names)
    {
        whenShown<QFileDialog>([this, names](QFileDialog& dialog) {
            shownTitle = dialog.windowTitle();
            shownFilters = dialog.nameFilters();
            shownFilter = dialog.selectedNameFilter();
            shownFolder = dialog.directory().absolutePath();
            dialog.findChild<QLineEdit*>("fileNameEdit")->setText(names);
            static_cast<QDialog&>(dialog).accept();
        });
    }

    QString startFolder = QDir::currentPath();
    QTemporaryDir dir;
    FileDialogQuestions questions;
    QString shownTitle;
    QStringList shownFilters;
    QString shownFilter;
    QString shownFolder;
};

TEST_F(FileDialogQuestionsTest, FiltersKeepTheirDescriptionsAndGiveQtTheirPatterns)
{
    EXPECT_EQ(FileDialogQuestions::nameFilter({"クレモアファイル(*.kwp)", "*.kwp"}),
              QStringLiteral("クレモアファイル(*.kwp) (*.kwp)"));
    EXPECT_EQ(FileDialogQuestions::nameFilter({"ビットマップ&JPEG(*.bmp;*.jpg)", "*.bmp;*.jpg"}),
              QStringLiteral("ビットマップ&JPEG(*.bmp;*.jpg) (*.bmp *.jpg)"));
    EXPECT_EQ(FileDialogQuestions::nameFilter({"MIDI&WAVE", "*.mid;*.midi;*.wav"}),
              QStringLiteral("MIDI&WAVE (*.mid *.midi *.wav)"));
}

TEST_F(FileDialogQuestionsTest, EveryQuestionHasItsTitleFiltersAndInitialFilter)
{
    const struct {
        const FileDialogQuestions::Question& question;
        const char* title;
        int filterCount;
        const char* initial;
        QFileDialog::FileMode mode;
    } expected[] = {
        {FileDialogQuestions::kWorkspaceSave, "作業中のデータ―を保存", 1, "クレモアファイル(*.kwp)",
         QFileDialog::AnyFile},
        {FileDialogQuestions::kWorkspaceOpen, "作業ファイルを開く", 1, "クレモアファイル(*.kwp)",
         QFileDialog::ExistingFile},
        {FileDialogQuestions::kImageFiles, "イメージの追加", 3, "ビットマップ&JPEG(*.bmp;*.jpg)",
         QFileDialog::ExistingFiles},
        {FileDialogQuestions::kBgmFile, "BGMの追加", 3, "MIDI&WAVE", QFileDialog::ExistingFile},
        {FileDialogQuestions::kSoundFile, "効果音の追加", 1, "WAVE サウンド(*.wav)",
         QFileDialog::ExistingFile},
        {FileDialogQuestions::kIconFile, "アイコンの変更", 1, "アイコンファイル(*.ico)",
         QFileDialog::ExistingFile},
    };
    for (const auto& spec : expected) {
        QFileDialog dialog;
        FileDialogQuestions::configure(dialog, spec.question);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(spec.title));
        EXPECT_EQ(dialog.nameFilters().size(), spec.filterCount) << spec.title;
        EXPECT_EQ(dialog.selectedNameFilter(), QString::fromUtf8(spec.initial)) << spec.title;
        EXPECT_EQ(dialog.fileMode(), spec.mode) << spec.title;
        EXPECT_EQ(dialog.directory().absolutePath(), QDir::currentPath()) << spec.title;
    }
    QFileDialog save;
    FileDialogQuestions::configure(save, FileDialogQuestions::kWorkspaceSave);
    EXPECT_EQ(save.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_TRUE(save.testOption(QFileDialog::DontConfirmOverwrite));
}

// What the user reads in the dialog's filter list, and what the dialog then lists.
TEST_F(FileDialogQuestionsTest, FilterTextsAreShownAsWrittenAndFilterByTheirPatterns)
{
    const struct {
        const FileDialogQuestions::Question& question;
        QStringList shown;
        QStringList patterns;  // of the filter selected at the start
    } expected[] = {
        {FileDialogQuestions::kWorkspaceSave, {"クレモアファイル(*.kwp)"}, {"*.kwp"}},
        {FileDialogQuestions::kWorkspaceOpen, {"クレモアファイル(*.kwp)"}, {"*.kwp"}},
        {FileDialogQuestions::kImageFiles,
         {"ビットマップ&JPEG(*.bmp;*.jpg)", "ビットマップ(*.bmp)", "JPEG(*.jpg)"},
         {"*.bmp", "*.jpg"}},
        {FileDialogQuestions::kBgmFile,
         {"MIDI シーケンス(*.mid;*.midi)", "WAVE サウンド(*.wav)", "MIDI&WAVE"},
         {"*.mid", "*.midi", "*.wav"}},
        {FileDialogQuestions::kSoundFile, {"WAVE サウンド(*.wav)"}, {"*.wav"}},
        {FileDialogQuestions::kIconFile, {"アイコンファイル(*.ico)"}, {"*.ico"}},
    };
    for (const auto& spec : expected) {
        QFileDialog dialog;
        FileDialogQuestions::configure(dialog, spec.question);
        const auto* list = dialog.findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(list, nullptr);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i) {
            shown.append(list->itemText(i));
        }
        EXPECT_EQ(shown, spec.shown) << spec.question.title.toStdString();
        const auto* files = dialog.findChild<QFileSystemModel*>();
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->nameFilters(), spec.patterns) << spec.question.title.toStdString();
    }

    // Choosing another filter lists by its patterns.
    QFileDialog dialog;
    FileDialogQuestions::configure(dialog, FileDialogQuestions::kImageFiles);
    auto* list = dialog.findChild<QComboBox*>("fileTypeCombo");
    list->setCurrentIndex(2);
    Q_EMIT list->activated(2);
    EXPECT_EQ(dialog.findChild<QFileSystemModel*>()->nameFilters(), QStringList{"*.jpg"});
    EXPECT_EQ(list->currentText(), QStringLiteral("JPEG(*.jpg)"));
}

TEST_F(FileDialogQuestionsTest, AnswersAreOnePathOrAFolderFollowedByNames)
{
    EXPECT_EQ(FileDialogQuestions::answerText({}), QString());
    EXPECT_EQ(FileDialogQuestions::answerText({"/pics/a.bmp"}),
              QDir::toNativeSeparators("/pics/a.bmp"));
    EXPECT_EQ(FileDialogQuestions::answerText({"/pics/a.bmp", "/pics/b.jpg"}),
              QDir::toNativeSeparators("/pics") + kNul + "a.bmp" + kNul + "b.jpg");
    // A name typed with its own folder still leads to its file from the first folder.
    EXPECT_EQ(FileDialogQuestions::answerText({"/pics/a.bmp", "/other/c.bmp"}),
              QDir::toNativeSeparators("/pics") + kNul + "a.bmp" + kNul +
                  QDir::toNativeSeparators("../other/c.bmp"));
}

TEST_F(FileDialogQuestionsTest, ChoosingTwoImagesGivesTheFolderAndBothNames)
{
    ASSERT_TRUE(touch(dir.filePath("a.bmp")));
    ASSERT_TRUE(touch(dir.filePath("b.jpg")));
    answerWith(QStringLiteral("\"a.bmp\" \"b.jpg\""));
    const QString answer = questions.AskImageFiles();
    const QStringList parts = answer.split(kNul);
    ASSERT_EQ(parts.size(), 3) << answer.toStdString();
    EXPECT_EQ(QDir(parts[0]).absolutePath(), QDir(dir.path()).absolutePath());
    EXPECT_EQ(QSet<QString>(parts.begin() + 1, parts.end()), QSet<QString>({"a.bmp", "b.jpg"}));
    EXPECT_EQ(shownTitle, QStringLiteral("イメージの追加"));
}

TEST_F(FileDialogQuestionsTest, AConfirmedQuestionMovesTheCurrentFolderToTheChosenFile)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("music"));
    const QString tune = dir.filePath("music/tune.mid");
    ASSERT_TRUE(touch(tune));
    answerWith(tune);
    EXPECT_EQ(questions.AskBgmFile(), QDir::toNativeSeparators(tune));
    EXPECT_EQ(shownFolder, QDir(dir.path()).absolutePath());
    EXPECT_EQ(shownFilter, QStringLiteral("MIDI&WAVE"));
    EXPECT_EQ(QDir::currentPath(), QDir(dir.filePath("music")).absolutePath());

    const QString sound = dir.filePath("music/beep.wav");
    ASSERT_TRUE(touch(sound));
    answerWith(QStringLiteral("beep.wav"));
    EXPECT_EQ(questions.AskSoundFile(), QDir::toNativeSeparators(sound));
    EXPECT_EQ(shownFolder, QDir(dir.filePath("music")).absolutePath());
}

TEST_F(FileDialogQuestionsTest, TheSaveQuestionTakesANewNameAsTyped)
{
    answerWith(QStringLiteral("show"));
    EXPECT_EQ(questions.AskWorkspaceSavePath(), QDir::toNativeSeparators(dir.filePath("show")));
    EXPECT_EQ(shownTitle, QStringLiteral("作業中のデータ―を保存"));
}

TEST_F(FileDialogQuestionsTest, CancellingAnyQuestionGivesEmptyText)
{
    const std::function<QString()> asks[] = {
        [this] { return questions.AskWorkspaceSavePath(); },
        [this] { return questions.AskWorkspaceOpenPath(); },
        [this] { return questions.AskImageFiles(); },
        [this] { return questions.AskBgmFile(); },
        [this] { return questions.AskSoundFile(); },
        [this] { return questions.AskIconFile(nullptr); },
        [this] { return questions.BrowseForFolder(nullptr); },
    };
    for (const auto& ask : asks) {
        whenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
        EXPECT_EQ(ask(), QString());
    }
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).absolutePath());
}

}  // namespace
