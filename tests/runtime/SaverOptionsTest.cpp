#include "BuiltSaver.h"

#include "document/ProgramVersion.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// The built saver's answers that come before any window: they must work without a display.
class SaverOptionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QString errors;
        saver = BuiltSaver::make(folder.path(), BuiltSaver::quarters({32, 24}),
                                 QStringLiteral("四つの色"), &errors);
        ASSERT_FALSE(saver.isEmpty()) << errors.toStdString();
    }

    // Runs the saver where no display can be reached and Qt would pick its X11 platform.
    int run(const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XSCREENSAVER_WINDOW"}) {
            environment.remove(name);
        }
        environment.insert("XDG_CONFIG_HOME", folder.path());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(saver, arguments);
        EXPECT_TRUE(process.waitForFinished(BuiltSaver::kTimeoutMs));
        out = QString::fromUtf8(process.readAllStandardOutput());
        err = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QTemporaryDir folder;
    QString saver;
    QString out;
    QString err;
};

TEST_F(SaverOptionsTest, HelpAndVersionGoToStandardOutput)
{
    ASSERT_EQ(run({"--help"}), 0) << err.toStdString();
    EXPECT_TRUE(out.startsWith(QStringLiteral("使い方: Quarters.scr "))) << out.toStdString();
    EXPECT_TRUE(out.contains("--window-id")) << out.toStdString();
    EXPECT_EQ(err, "");

    ASSERT_EQ(run({"--version"}), 0) << err.toStdString();
    EXPECT_EQ(out, ProgramVersion::line("Quarters.scr") + QStringLiteral("\n四つの色 1.00\n"));
    EXPECT_EQ(err, "");
}

TEST_F(SaverOptionsTest, UnknownOptionGivesTheUsageOnStandardErrorAndStatus2)
{
    EXPECT_EQ(run({"/s", "--fullscreen"}), 2);
    EXPECT_EQ(out, "");
    EXPECT_TRUE(err.startsWith(QStringLiteral("知らないオプションです: --fullscreen\n使い方: ")))
        << err.toStdString();

    EXPECT_EQ(run({"--window-id", "window"}), 2);
    EXPECT_TRUE(err.contains(QStringLiteral("ウィンドウ ID"))) << err.toStdString();
}

TEST_F(SaverOptionsTest, NoDisplayIsOneLineAndStatus2ForEveryFormThatShowsSomething)
{
    for (const QStringList& arguments :
         {QStringList{}, QStringList{"/s"}, QStringList{"/c"}, QStringList{"--root"},
          QStringList{"--window-id", "0x200001"}}) {
        EXPECT_EQ(run(arguments), 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
        EXPECT_TRUE(err.contains("DISPLAY")) << err.toStdString();
        EXPECT_EQ(out, "");
    }
}

TEST_F(SaverOptionsTest, CheckNeedsNoDisplay)
{
    ASSERT_EQ(run({"--check"}), 0) << err.toStdString();
    const QJsonObject summary = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(summary["title"].toString(), QStringLiteral("四つの色"));
    EXPECT_EQ(summary["canvasWidth"].toInt(), 32);
}

}  // namespace
