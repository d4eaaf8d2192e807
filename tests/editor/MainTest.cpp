#include "editor/Main.h"

#include "EditorFixture.h"
#include "document/ProgramVersion.h"
#include "document/WorkspaceFile.h"
#include "editor/CanvasPicture.h"
#include "editor/PropertyPanel.h"
#include "editor/WindowPlacement.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTextStream>

#include <optional>

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
    std::unique_ptr<MainForm> start(const QStringList& arguments,
                                    WindowPlacement* placement = nullptr)
    {
        return Main::start(QDir::tempPath(), arguments, questions, prompter, QDir::currentPath(),
                           placement);
    }
    // Lets the started window's canvas picture arrive from its decoding threads.
    static void waitForCanvas(MainForm& started)
    {
        const auto* picture = started.findChild<CanvasPicture*>("MainPicture");
        QSignalSpy arrived(&started.pictures(), &PictureLoader::canvasPartReady);
        while (!picture->waitingName().isEmpty()) {
            ASSERT_TRUE(arrived.wait(60000));
        }
    }
    // What the options give: the exit status (none: the editor starts), standard output and
    // standard error.
    struct Answer {
        std::optional<int> status;
        QString out;
        QString err;
    };
    static Answer answer(const QStringList& arguments)
    {
        Answer result;
        QTextStream out(&result.out);
        QTextStream err(&result.err);
        result.status = Main::answerOptions(arguments, out, err);
        return result;
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
    const auto* picture = started->findChild<CanvasPicture*>("MainPicture");
    EXPECT_EQ(picture->size(), QSize(254, 254));
    EXPECT_EQ(picture->backColor(), 0u);
    const auto* shown = started->findChild<PropertyPanel*>("Frame1");
    EXPECT_EQ(shown->Combo1->currentIndex(), 0);
    EXPECT_EQ(shown->Combo2->currentIndex(), 0);
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
    EXPECT_EQ(started->document().currentIndex(), 0);
    EXPECT_EQ(started->document().record().Slides[1].DisplayTime, 2500);
    const auto* picture = started->findChild<CanvasPicture*>("MainPicture");
    EXPECT_EQ(picture->innerWidth(), 320);
    waitForCanvas(*started);
    EXPECT_EQ(picture->image().pixel(2, 2), qRgb(255, 0, 0));
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

TEST_F(MainTest, HelpAndVersionAnswerWithoutStartingTheEditor)
{
    const Answer help = answer({"kremoa", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("使い方: kremoa"))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--version")));
    EXPECT_TRUE(help.err.isEmpty());

    const Answer version = answer({"kremoa", "--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, ProgramVersion::line("kremoa") + '\n');
    EXPECT_EQ(answer({"kremoa", "--version", "--help"}).out, help.out) << "help comes first";
}

TEST_F(MainTest, AnUnknownOptionIsRefusedUnlessItNamesAWorkspace)
{
    const Answer unknown = answer({"kremoa", "--frobnicate"});
    EXPECT_EQ(unknown.status, Main::kRefusedOption);
    EXPECT_TRUE(unknown.out.isEmpty());
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("'--frobnicate'")));
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("kremoa --help")));

    // Paths, an empty command line and everything after "--" start the editor.
    EXPECT_FALSE(answer({"kremoa"}).status);
    EXPECT_FALSE(answer({"kremoa", writeWorkspace("show.kwp")}).status);
    EXPECT_FALSE(answer({"kremoa", "/no/such/show.kwp"}).status);
    EXPECT_FALSE(answer({"kremoa", "-x"}).status);
    EXPECT_FALSE(answer({"kremoa", "--", "--help"}).status);
    EXPECT_EQ(Main::commandLinePath({"kremoa", "--", "--help"}), QStringLiteral("--help"));

    // A workspace whose name starts with "--" opens as today.
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    writeWorkspace("--odd.kwp");
    const Answer odd = answer({"kremoa", "--odd.kwp"});
    const auto started = start({"kremoa", "--odd.kwp"});
    QDir::setCurrent(previous);
    EXPECT_FALSE(odd.status);
    ASSERT_NE(started, nullptr);
    EXPECT_EQ(started->document().count(), 2);
}

// The real program, with no display to open: it must not try.
TEST_F(MainTest, TheProgramAnswersHelpAndVersionWithoutADisplay)
{
    const QString program = qEnvironmentVariable("KREMOA_APP_DIR") + QStringLiteral("/kremoa");
    ASSERT_TRUE(QFileInfo(program).isExecutable()) << program.toStdString();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const QString& option : {QStringLiteral("--help"), QStringLiteral("--version")}) {
        QProcess kremoa;
        kremoa.setProcessEnvironment(environment);
        kremoa.start(program, {option});
        ASSERT_TRUE(kremoa.waitForFinished(60000)) << option.toStdString();
        EXPECT_EQ(kremoa.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(kremoa.exitCode(), 0) << kremoa.readAllStandardError().toStdString();
        const QString out = QString::fromUtf8(kremoa.readAllStandardOutput());
        EXPECT_TRUE(out.startsWith(option == QStringLiteral("--help")
                                       ? QStringLiteral("使い方: kremoa")
                                       : ProgramVersion::line("kremoa")))
            << out.toStdString();
    }
    QProcess refused;
    refused.setProcessEnvironment(environment);
    refused.start(program, {QStringLiteral("--frobnicate")});
    ASSERT_TRUE(refused.waitForFinished(60000));
    EXPECT_EQ(refused.exitCode(), Main::kRefusedOption);
}

TEST_F(MainTest, TheWindowOpensWhereItWasLastClosed)
{
    QSettings settings(dir.filePath("kremoa.conf"), QSettings::IniFormat);
    WindowPlacement placement(settings);
    {
        const auto first = start({"kremoa"}, &placement);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->centralWidget()->size(),
                  QSize(MainForm::kInnerWidth, MainForm::kInnerHeight))
            << "a first run opens at the design size";
        first->setGeometry(QRect(QPoint(60, 40), QSize(900, 700)));
        QApplication::processEvents();
        first->close();
    }
    EXPECT_TRUE(settings.contains("MainForm/geometry"));

    const auto second = start({"kremoa"}, &placement);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->geometry(), QRect(QPoint(60, 40), QSize(900, 700)));
    EXPECT_EQ(second->centralWidget()->width(), 900);
}

}  // namespace
