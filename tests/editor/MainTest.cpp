#include "editor/Main.h"

#include "EditorFixture.h"
#include "document/WorkspaceFile.h"
#include "editor/CanvasPicture.h"
#include "editor/PropertyPanel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLibraryInfo>
#include <QMessageBox>

namespace {

class MainTest : public EditorFixture {
protected:
    QString writeWorkspace(const QString& name)
    {
        EditableShow show;
        show.imagePaths = {media.solidImage("a.bmp", {10, 10}, Qt::red),
                           media.solidImage("b.bmp", {10, 10}, Qt::blue)};
        show.document.Slides = {SlideItem(), SlideItem()};
        show.document.Slides[1].DisplayTime = 2500;
        show.document.SlideCount = 2;
        show.canvasWidth = 320;
        show.canvasHeight = 240;
        const QString path = dir.filePath(name);
        EXPECT_TRUE(WorkspaceFile::save(path, WorkspaceFile::fromShow(show)).ok());
        return path;
    }
    std::unique_ptr<MainForm> start(const QStringList& arguments)
    {
        return Main::start(QDir::tempPath(), arguments, questions, prompter, QDir::currentPath());
    }
};

TEST_F(MainTest, TheTempFolderEndsInExactlyOneSeparator)
{
    const QString separator = QDir::separator();
    EXPECT_EQ(Main::TempFolderFrom("/var/tmp"), QDir::toNativeSeparators("/var/tmp") + separator);
    EXPECT_EQ(Main::TempFolderFrom("/var/tmp/"), QDir::toNativeSeparators("/var/tmp/"));
    EXPECT_EQ(Main::TempFolderFrom(""), QString());
}

TEST_F(MainTest, WithoutATempFolderTheProgramSaysItCannotRunAndOpensNoWindow)
{
    EXPECT_EQ(Main::start(QString(), {"kremoa"}, questions, prompter, QString()), nullptr);
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prompter.asked[0].text, QStringLiteral("実行できません"));
    EXPECT_EQ(prompter.asked[0].title, QStringLiteral("クレモア"));
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::Information);
    EXPECT_EQ(prompter.asked[0].buttons, Prompter::Buttons::Ok);
}

TEST_F(MainTest, StartingWithoutACommandLineOpensAnEmptyEditor)
{
    const auto started = start({"kremoa"});
    ASSERT_NE(started, nullptr);
    EXPECT_TRUE(started->isVisible());
    EXPECT_EQ(started->document().count(), 0);
    EXPECT_EQ(started->MainPicture->size(), QSize(254, 254));
    EXPECT_EQ(started->MainPicture->backColor(), 0u);
    EXPECT_EQ(started->panel->Combo1->currentIndex(), 0);
    EXPECT_EQ(started->panel->Combo2->currentIndex(), 0);
    EXPECT_EQ(started->TempFolder(), Main::TempFolderFrom(QDir::tempPath()));
}

TEST_F(MainTest, AWorkspaceNamedOnTheCommandLineOpensWithSlideZeroSelected)
{
    const QString path = writeWorkspace("my show.kwp");
    // The shell splits a path with spaces into several arguments; the program joins them.
    const QStringList arguments = QStringList{"kremoa"} + path.split(u' ');
    ASSERT_EQ(Main::commandLinePath(arguments), path);
    const auto started = start(arguments);
    ASSERT_NE(started, nullptr);
    EXPECT_EQ(started->document().count(), 2);
    EXPECT_EQ(started->document().ListIndex, 0);
    EXPECT_EQ(started->document().record.Slides[1].DisplayTime, 2500);
    EXPECT_EQ(started->MainPicture->innerWidth(), 320);
    EXPECT_EQ(started->MainPicture->image().pixel(2, 2), qRgb(255, 0, 0));
}

TEST_F(MainTest, ACommandLineThatNamesNoFileIsIgnored)
{
    const QString path = writeWorkspace("show.kwp");
    for (const QStringList& arguments :
         {QStringList{"kremoa", '"' + path + '"'}, QStringList{"kremoa", dir.path()},
          QStringList{"kremoa", dir.filePath("missing.kwp")}}) {
        const auto started = start(arguments);
        ASSERT_NE(started, nullptr);
        EXPECT_EQ(started->document().count(), 0);
    }
    EXPECT_TRUE(prompter.asked.isEmpty());
}

TEST_F(MainTest, MessageBoxButtonsAreInJapanese)
{
    const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    ASSERT_TRUE(QFileInfo::exists(translations + "/qtbase_ja.qm"))
        << "Qt's Japanese translation (package qt6-translations-l10n) is not installed";
    Main::translateStandardDialogs();
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("はい")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QStringLiteral("いいえ")));
    EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().startsWith(QStringLiteral("キャンセル")));
}

}  // namespace
