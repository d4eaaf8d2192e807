#include "CraftedTemplate.h"

#include "builder/IconPatch.h"
#include "builder/SaveForm.h"
#include "document/IconFile.h"
#include "media/MediaFactory.h"
#include "support/ApplicationEnvironment.h"
#include "support/ScriptedFileQuestions.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment("SaveFormTest"));

// Looks at the dialog at the moment a message box would be on screen.
class WatchingPrompter : public ScriptedPrompter {
public:
    Answer ask(const QString& text, const QString& title, Icon icon, Buttons buttons) override
    {
        if (whenAsked) {
            whenAsked();
        }
        return ScriptedPrompter::ask(text, title, icon, buttons);
    }

    std::function<void()> whenAsked;
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SaveFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The dialog's remembered folder goes to this test's own settings.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root.filePath("config"));
        app = root.filePath("app");
        QDir().mkpath(app);
        destination = root.filePath("out");
        QDir().mkpath(destination);
        media = std::make_unique<MediaFactory>(root.filePath("media"));
        defaultIcon = IconImage::bytes(32, Qt::green, Qt::black, 32);
        media->bytes("../app/scricon.ico", defaultIcon);
        media->bytes("../app/Project.krt", CraftedTemplate::bytes(defaultIcon));
        show.imagePaths = {media->solidImage("red_8x8.bmp", {8, 8}, Qt::red)};
        show.document.Slides.resize(1);
        form = std::make_unique<SaveForm>(show, prompter, questions, app);
        form->show();
    }

    template <typename T>
    T* control(const QString& name) const
    {
        T* found = form->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    void clickIcon() { QTest::mouseClick(control<QLabel>("Picture1"), Qt::LeftButton); }

    QTemporaryDir root;
    QString app;
    QString destination;
    std::unique_ptr<MediaFactory> media;
    QByteArray defaultIcon;
    EditableShow show;
    WatchingPrompter prompter;
    ScriptedFileQuestions questions;
    std::unique_ptr<SaveForm> form;
};

TEST_F(SaveFormTest, OpensWithTheInitialValuesAndLimits)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("スクリーンセーバーの作成"));
    EXPECT_EQ(control<QLineEdit>("txtdir")->text(), QDir::toNativeSeparators(QDir::homePath()));
    const struct {
        const char* name;
        QString text;
        int maxLength;
    } boxes[] = {
        {"txtfilename", "ScreenSaver", 40},
        {"txtDescript", QStringLiteral("スクリーンセーバー"), 20},
        {"txtcopyright", "", 20},
        {"txtVersion0", "1", 2},
        {"txtVersion1", "00", 2},
        {"txtkoumoku0", "", 40},
        {"txtkoumoku1", "", 20},
        {"txtkoumoku2", "", 20},
        {"txtkoumoku3", "", 20},
    };
    for (const auto& box : boxes) {
        const QLineEdit* edit = control<QLineEdit>(box.name);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), box.text) << box.name;
        EXPECT_EQ(edit->maxLength(), box.maxLength) << box.name;
    }
    const QComboBox* combo = control<QComboBox>("Combo1");
    ASSERT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("コメント"));
    EXPECT_EQ(combo->itemText(3), QStringLiteral("製品名"));
    EXPECT_FALSE(control<QCheckBox>("Check1")->isChecked());
    EXPECT_EQ(control<QCheckBox>("Check1")->text(),
              QStringLiteral("BGMと効果音のON/OFFを設定で切り替えられるようにする"));
    EXPECT_EQ(control<QPushButton>("Command1")->text(), QStringLiteral("参照"));
    EXPECT_EQ(control<QPushButton>("Command2")->text(), QStringLiteral("作成"));
    EXPECT_EQ(control<QPushButton>("Command3")->text(), QStringLiteral("キャンセル"));
    EXPECT_FALSE(control<QLabel>("Picture1")->pixmap().isNull()) << "the default icon is shown";
    EXPECT_EQ(control<QLabel>("Picture1")->contentsRect().size(), QSize(32, 32));
    EXPECT_EQ(form->chosenIconPath(), app + "/scricon.ico");

    QStringList labels;
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        labels.append(label->text());
    }
    for (const QString& text :
         {QStringLiteral("保存先"), QStringLiteral("ファイル名"),
          QStringLiteral("説明（20字以内）"), QStringLiteral("著作権（20字以内）"),
          QStringLiteral("メジャー："), QStringLiteral("マイナー："), QStringLiteral("項目："),
          QStringLiteral("内容："), QStringLiteral("アイコン")}) {
        EXPECT_TRUE(labels.contains(text)) << text.toStdString();
    }
    QStringList frames;
    for (const QGroupBox* frame : form->findChildren<QGroupBox*>()) {
        frames.append(frame->title());
    }
    EXPECT_EQ(frames, (QStringList{QStringLiteral("バージョン番号"), QStringLiteral("詳細")}));
}

TEST_F(SaveFormTest, TypingStopsAtTheMaximumLength)
{
    QLineEdit* description = control<QLineEdit>("txtDescript");
    description->clear();
    QTest::keyClicks(description, QString(25, 'a'));
    EXPECT_EQ(description->text(), QString(20, 'a'));
}

TEST_F(SaveFormTest, DetailListShowsOneBoxAndHiddenBoxesKeepTheirText)
{
    QComboBox* combo = control<QComboBox>("Combo1");
    QLineEdit* comment = control<QLineEdit>("txtkoumoku0");
    QLineEdit* trademark = control<QLineEdit>("txtkoumoku2");
    EXPECT_TRUE(comment->isVisible());
    EXPECT_FALSE(trademark->isVisible());
    QTest::keyClicks(comment, "hello");

    combo->setCurrentIndex(2);
    EXPECT_FALSE(comment->isVisible());
    EXPECT_TRUE(trademark->isVisible());
    EXPECT_FALSE(control<QLineEdit>("txtkoumoku1")->isVisible());
    EXPECT_FALSE(control<QLineEdit>("txtkoumoku3")->isVisible());

    combo->setCurrentIndex(0);
    EXPECT_TRUE(comment->isVisible());
    EXPECT_EQ(comment->text(), "hello");
}

TEST_F(SaveFormTest, FolderBrowserFillsTheDestinationUnlessCancelled)
{
    QPushButton* browse = control<QPushButton>("Command1");
    questions.answerNext(destination);
    QTest::mouseClick(browse, Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("txtdir")->text(), destination);

    questions.answerNext(QString());
    QTest::mouseClick(browse, Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("txtdir")->text(), destination);
    EXPECT_EQ(questions.asked, (QStringList{"BrowseForFolder", "BrowseForFolder"}));
}

TEST_F(SaveFormTest, OnlyA32PixelIconIsTakenAndABuildUsesIt)
{
    const QByteArray chosen = IconImage::bytes(32, Qt::red, Qt::white, 4);
    const QString big = media->bytes("red32.ico", chosen);
    questions.answerNext(big);
    clickIcon();
    EXPECT_EQ(form->chosenIconPath(), big);
    EXPECT_TRUE(prompter.asked.isEmpty());

    questions.answerNext(media->icon("small16.ico", 16));
    clickIcon();
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prompter.asked[0].text, QStringLiteral("32×32のアイコンしか使えません。"));
    EXPECT_EQ(prompter.asked[0].title, QStringLiteral("アイコンの変更"));
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::Warning);
    EXPECT_EQ(form->chosenIconPath(), big);

    questions.answerNext(QString());
    clickIcon();
    EXPECT_EQ(form->chosenIconPath(), big);
    EXPECT_EQ(questions.asked.count("AskIconFile"), 3);

    control<QLineEdit>("txtdir")->setText(destination);
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    const QByteArray built = readFile(destination + "/ScreenSaver.scr");
    EXPECT_GE(built.indexOf(chosen.mid(IconFile::kDataOffset)), 0);
    EXPECT_LT(built.indexOf(defaultIcon.mid(IconFile::kDataOffset)), 0);
}

TEST_F(SaveFormTest, CreateBuildsWithTheDialogValuesAndCloses)
{
    control<QLineEdit>("txtdir")->setText(destination);
    control<QLineEdit>("txtfilename")->setText("Sky");
    control<QLineEdit>("txtVersion0")->clear();
    control<QLineEdit>("txtVersion1")->setText("5");
    control<QComboBox>("Combo1")->setCurrentIndex(3);
    QTest::keyClicks(control<QLineEdit>("txtkoumoku3"), "Product");
    control<QCheckBox>("Check1")->setChecked(true);
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);

    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prompter.asked[0].text, QStringLiteral("作成しました。"));
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(control<QLineEdit>("txtVersion0")->text(), "0");
    const auto values = VersionResource::read(readFile(destination + "/Sky.scr"));
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ((*values)[VersionResource::ProductName], "Product");
    EXPECT_EQ((*values)[VersionResource::FileVersion], "0.05");
    EXPECT_EQ((*values)[VersionResource::OriginalFilename], "Sky.scr");
}

TEST_F(SaveFormTest, TargetStartsAtThisSystemAndChoosesTheTemplate)
{
    QComboBox* target = control<QComboBox>("cmbTarget");
    ASSERT_NE(target, nullptr);
    ASSERT_EQ(target->count(), 2);
    EXPECT_EQ(target->itemText(0), "Linux");
    EXPECT_EQ(target->itemText(1), "Windows");
    EXPECT_EQ(target->currentText(), "Linux");
    EXPECT_EQ(form->request().target, SaverTarget::Linux);

    // The Windows template is not there: the build names it and the dialog stays.
    control<QLineEdit>("txtdir")->setText(destination);
    target->setCurrentIndex(1);
    EXPECT_EQ(form->request().target, SaverTarget::Windows);
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_TRUE(prompter.asked[0].text.contains("/ProjectWin.krt)"))
        << prompter.asked[0].text.toStdString();
    EXPECT_TRUE(form->isVisible());

    media->bytes("../app/ProjectWin.krt",
                 QByteArray("MZ\x90\0", 4) + CraftedTemplate::bytes(defaultIcon));
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    ASSERT_EQ(prompter.asked.size(), 2);
    EXPECT_EQ(prompter.asked[1].text, QStringLiteral("作成しました。"));
    EXPECT_TRUE(readFile(destination + "/ScreenSaver.scr").startsWith("MZ"));
}

// The progress window used to stay over the closing message and block it.
TEST_F(SaveFormTest, ClosingMessageFindsTheMajorSetAndTheProgressWindowGone)
{
    control<QLineEdit>("txtdir")->setText(destination);
    control<QLineEdit>("txtVersion0")->clear();
    QString majorShown;
    qsizetype progressWindows = -1;
    prompter.whenAsked = [&] {
        majorShown = control<QLineEdit>("txtVersion0")->text();
        progressWindows = form->findChildren<QProgressDialog*>().size();
    };
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);

    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prompter.asked[0].text, QStringLiteral("作成しました。"));
    EXPECT_EQ(majorShown, "0");
    EXPECT_EQ(progressWindows, 0);
}

TEST_F(SaveFormTest, FocusStartsAtTheDestinationAndTabFollowsTheForm)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "txtdir");

    control<QComboBox>("Combo1")->setCurrentIndex(2);
    const QStringList expected = {"Command1",    "txtfilename", "txtDescript", "txtcopyright",
                                  "txtVersion0", "txtVersion1", "Combo1",      "txtkoumoku2",
                                  "Check1",      "cmbTarget",   "Command2",    "Command3",
                                  "txtdir"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(SaveFormTest, OnlyALeftClickOnTheIconOpensTheIconDialog)
{
    QLabel* icon = control<QLabel>("Picture1");
    QTest::mouseClick(icon, Qt::RightButton);
    QTest::mouseClick(icon, Qt::MiddleButton);
    QTest::mousePress(icon, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseRelease(icon, Qt::LeftButton, {}, QPoint(icon->width() + 20, 4));
    EXPECT_TRUE(questions.asked.isEmpty());

    clickIcon();
    EXPECT_EQ(questions.asked, QStringList{"AskIconFile"});
}

TEST_F(SaveFormTest, RefusedBuildKeepsTheDialogOpen)
{
    control<QLineEdit>("txtdir")->setText(root.filePath("nowhere"));
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prompter.asked[0].text, QStringLiteral("保存先フォルダが存在しません。"));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(SaveFormTest, AnsweringNoToTheOverwriteQuestionKeepsTheDialogAndTheFile)
{
    const QString existing = media->bytes("../out/ScreenSaver.scr", "old saver");
    control<QLineEdit>("txtdir")->setText(destination);
    prompter.answerNext(Prompter::Answer::No);
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);

    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prompter.asked[0].buttons, Prompter::Buttons::YesNo);
    EXPECT_TRUE(prompter.asked[0].text.contains(destination + "/ScreenSaver.scr"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(readFile(existing), "old saver");
}

TEST_F(SaveFormTest, CancelClosesWithoutBuilding)
{
    control<QLineEdit>("txtdir")->setText(destination);
    QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(prompter.asked.isEmpty());
    EXPECT_TRUE(QDir(destination).isEmpty());
}

}  // namespace

namespace {

TEST_F(SaveFormTest, NextOpeningStartsInTheFolderOfTheLastBuildWhileItExists)
{
    const QString other = root.filePath("other");
    ASSERT_TRUE(QDir().mkpath(other));
    {
        SaveForm cancelled(show, prompter, questions, app);
        cancelled.findChild<QLineEdit*>("txtdir")->setText(other);
        cancelled.Command3_Click();
    }
    SaveForm cancelled(show, prompter, questions, app);
    EXPECT_EQ(cancelled.findChild<QLineEdit*>("txtdir")->text(),
              QDir::toNativeSeparators(QDir::homePath()))
        << "only a build remembers its folder";

    control<QLineEdit>("txtdir")->setText(destination);
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    ASSERT_TRUE(QFile::exists(destination + "/ScreenSaver.scr"));
    SaveForm next(show, prompter, questions, app);
    EXPECT_EQ(next.findChild<QLineEdit*>("txtdir")->text(), destination);

    ASSERT_TRUE(QDir(destination).removeRecursively());
    SaveForm afterRemoval(show, prompter, questions, app);
    EXPECT_EQ(afterRemoval.findChild<QLineEdit*>("txtdir")->text(),
              QDir::toNativeSeparators(QDir::homePath()));
}

}  // namespace
