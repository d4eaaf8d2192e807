#include "CliRunner.h"

#include "document/ProgramVersion.h"

#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

TEST(CliConventionsTest, HelpGoesToStandardOutputAndSucceeds)
{
    for (const char* option : {"--help", "-h"}) {
        const CliRunner::Result result = CliRunner::run({QString::fromLatin1(option)});
        EXPECT_EQ(result.exitCode, 0) << option;
        EXPECT_TRUE(result.out.startsWith("usage: kremoa-cli")) << option;
        EXPECT_TRUE(result.out.contains("play SHOW")) << option;
        EXPECT_TRUE(result.err.isEmpty()) << option;
    }
}

TEST(CliConventionsTest, VersionPrintsTheProgramAndItsVersion)
{
    const CliRunner::Result result = CliRunner::run({"--version"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(result.out).trimmed(),
              QStringLiteral("kremoa-cli (クレモア) ") + ProgramVersion::text());
}

TEST(CliConventionsTest, WrongCallsPrintUsageToStandardErrorAndExit2)
{
    for (const QStringList& args : {QStringList{}, QStringList{"no-such-command"}}) {
        const CliRunner::Result result = CliRunner::run(args);
        EXPECT_EQ(result.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.err.contains("usage: kremoa-cli"));
    }
}

TEST(CliConventionsTest, BuildNamesItsTargetsAndRefusesAnyOther)
{
    for (const char* target : {"mac", "win32", ""}) {
        const CliRunner::Result result = CliRunner::run(
            {"build", "show.json", "--out", "never.scr", "--target", QString::fromLatin1(target)});
        EXPECT_EQ(result.exitCode, 2) << target;
        EXPECT_TRUE(result.err.contains("[--target linux|windows]")) << result.err.toStdString();
    }
}

TEST(CliConventionsTest, PlayWithoutADisplaySaysSoInOneLineAndExits2)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    const CliRunner::Result result = CliRunner::run({"play", "any.json"}, environment);
    EXPECT_EQ(result.exitCode, 2);
    const QString errors = result.errText();
    EXPECT_EQ(errors.count(QLatin1Char('\n')), 1) << errors.toStdString();
    EXPECT_TRUE(errors.startsWith(QStringLiteral("play: 画面がありません")))
        << errors.toStdString();
}

TEST(CliConventionsTest, PlayRefusalsExit2)
{
    EXPECT_EQ(
        CliRunner::run({"play", "/no/such/show.json", "--simulate", "--stop-at", "10"}).exitCode,
        2);
}

}  // namespace
