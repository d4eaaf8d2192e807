#include "media/MediaFactory.h"

#include "CliRunner.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

struct Result {
    int exitCode = -1;
    QStringList lines;
    QString errors;
};

Result play(const QStringList& args)
{
    const CliRunner::Result run = CliRunner::run(QStringList{QStringLiteral("play")} + args);
    return {run.exitCode, QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts),
            run.errText()};
}

class PlayCommandTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    MediaFactory media{dir.path()};
    QString show;

    void SetUp() override
    {
        const QString image = media.solidImage(QStringLiteral("a.bmp"), {16, 12}, Qt::red);
        show = media.bytes(QStringLiteral("show.json"),
                           QStringLiteral(R"({"canvasWidth": 16, "canvasHeight": 12, "slides": [)"
                                          R"({"image": "%1", "displayTime": 250, "effect": 7}]})")
                               .arg(image)
                               .toUtf8());
    }
};

TEST_F(PlayCommandTest, SimulatedShowPrintsItsEventsAsJsonLines)
{
    const Result result = play(
        {show, QStringLiteral("--simulate"), QStringLiteral("--transitions"), QStringLiteral("1")});

    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    ASSERT_EQ(result.lines.size(), 4);
    EXPECT_EQ(result.lines[0], QStringLiteral(R"({"t":0,"ev":"show","slide":0})"));
    EXPECT_EQ(
        result.lines[1],
        QStringLiteral(R"({"t":251,"ev":"transition","from":0,"to":0,"effect":7,"speed":1})"));
    EXPECT_TRUE(result.lines[2].endsWith(QStringLiteral(R"("ev":"purge"})")));
    EXPECT_TRUE(result.lines[3].endsWith(QStringLiteral(R"("ev":"stop"})")));
}

TEST_F(PlayCommandTest, SimulationWithoutAnEndIsRefused)
{
    const Result result = play({show, QStringLiteral("--simulate")});

    EXPECT_EQ(result.exitCode, 2) << result.errors.toStdString();
    EXPECT_TRUE(result.lines.isEmpty());
    EXPECT_TRUE(result.errors.contains(QStringLiteral("--transitions")));
}

TEST_F(PlayCommandTest, SimulationOptionsNeedSimulate)
{
    EXPECT_EQ(play({show, QStringLiteral("--stop-at"), QStringLiteral("100")}).exitCode, 2);
    EXPECT_EQ(play({show, QStringLiteral("--simulate"), QStringLiteral("--stop-at"),
                    QStringLiteral("soon")})
                  .exitCode,
              2);
}

TEST_F(PlayCommandTest, UnreadableShowIsReported)
{
    const Result result =
        play({dir.filePath(QStringLiteral("none.kwp")), QStringLiteral("--simulate"),
              QStringLiteral("--transitions"), QStringLiteral("1")});

    EXPECT_NE(result.exitCode, 0);
    EXPECT_FALSE(result.errors.isEmpty());
}

}  // namespace
