#include "AppFolder.h"

#include "builder/BuildProcedure.h"
#include "media/MediaFactory.h"
#include "runtime/RuntimeOptions.h"
#include "runtime/SaverRuntime.h"
#include "runtime/SoundSettings.h"
#include "support/ApplicationEnvironment.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

constexpr int kPollMs = 10;

const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment("SaverSettingsTest"));

// Saves built with the real template and opened in settings mode, in this process; the modal
// dialog they show is answered by `answer` once it is up.
class SaverSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, root.filePath("config"));
        MediaFactory media(root.filePath("media"));
        show.imagePaths = {media.solidImage("red_8x8.bmp", {8, 8}, Qt::red)};
        show.document.Slides.resize(1);
        show.document.SlideCount = 1;
    }

    QString build(bool soundSwitch)
    {
        BuildRequest request;
        request.destinationFolder = root.path();
        request.fileName = soundSwitch ? "Switchable" : "Fixed";
        request.description = QStringLiteral("設定の試験");
        request.majorVersion = "1";
        request.defaultIconPath = AppFolder::path("scricon.ico");
        request.chosenIconPath = request.defaultIconPath;
        request.soundSwitch = soundSwitch;
        ScriptedPrompter prompter;
        BuildProcedure procedure(show, prompter, AppFolder::path(""));
        EXPECT_TRUE(procedure.run(request).created());
        return BuildProcedure::outputPath(request);
    }

    int openSettings(const QString& saver, const std::function<void(QWidget*)>& answer)
    {
        QTimer poll;
        poll.setInterval(kPollMs);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                poll.stop();
                answer(dialog);
            }
        });
        poll.start();
        RuntimeOptions options;
        options.mode = RuntimeOptions::Mode::Settings;
        const QByteArray icon = AppFolder::read("scricon.ico");
        QElapsedTimer started;
        started.start();
        SaverRuntime runtime(options, saver, icon, started);
        return runtime.run();
    }

    QTemporaryDir root;
    EditableShow show;
};

TEST_F(SaverSettingsTest, SaverWithoutTheSwitchSaysItHasNoSettings)
{
    const QString saver = build(false);
    QString text;
    QString title;
    EXPECT_EQ(openSettings(saver,
                           [&](QWidget* dialog) {
                               auto* box = qobject_cast<QMessageBox*>(dialog);
                               ASSERT_NE(box, nullptr);
                               text = box->text();
                               title = box->windowTitle();
                               box->accept();
                           }),
              0);
    EXPECT_EQ(text, QStringLiteral("設定できる項目はありません。"));
    EXPECT_EQ(title, QStringLiteral("設定の試験"));
}

TEST_F(SaverSettingsTest, SwitchesChosenInTheDialogAreKeptUnderTheSaversName)
{
    const QString saver = build(true);
    EXPECT_EQ(openSettings(saver,
                           [](QWidget* dialog) {
                               auto* bgm = dialog->findChild<QCheckBox*>("bgm");
                               ASSERT_NE(bgm, nullptr);
                               EXPECT_TRUE(bgm->isChecked());
                               QTest::mouseClick(bgm, Qt::LeftButton);
                               qobject_cast<QDialog*>(dialog)->accept();
                           }),
              0);
    const SoundChoice stored = SoundSettings("Switchable.scr").load();
    EXPECT_FALSE(stored.bgm);
    EXPECT_TRUE(stored.soundEffects);

    EXPECT_EQ(
        openSettings(saver, [](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); }), 0);
    EXPECT_FALSE(SoundSettings("Switchable.scr").load().bgm) << "cancel keeps what was stored";
}

}  // namespace
