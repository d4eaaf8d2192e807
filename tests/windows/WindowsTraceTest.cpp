#include "WineSession.h"

#include "runtime/AppFolder.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace {

constexpr int kFirstEffect = 1;
constexpr int kLastEffect = 35;
constexpr int kFastestSpeed = 3;
constexpr int kSlowestSpeed = 0;
// Uneven sides, so that halves, quarters and tiles do not divide them evenly.
const QStringList kSize{"--width", "97", "--height", "61"};

// The Windows runtime traces one transition exactly as kremoa-cli does.
class WindowsTraceTest : public WineTest,
                         public ::testing::WithParamInterface<std::tuple<int, int>> {
protected:
    void SetUp() override
    {
        WineTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        ASSERT_TRUE(folder.isValid());
        runtime = folder.filePath("runtime.exe");
        ASSERT_TRUE(QFile::copy(WineSession::windowsTemplate(), runtime));
    }

    QTemporaryDir folder;
    QString runtime;
};

TEST_P(WindowsTraceTest, PrintsWhatKremoaCliPrints)
{
    const auto [effect, speed] = GetParam();
    const QStringList options = QStringList{"--effect", QString::number(effect)} + kSize +
                                QStringList{"--speed", QString::number(speed)};

    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    cli.setProcessEnvironment(environment);
    cli.start(AppFolder::path("kremoa-cli"), QStringList{"trace"} + options);
    ASSERT_TRUE(cli.waitForFinished(WineSession::kTimeoutMs));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const QByteArray expected = cli.readAllStandardOutput();
    // Every effect draws at least the outgoing and the incoming picture.
    ASSERT_TRUE(expected.contains("\"src\":\"in\"")) << expected.toStdString();

    const WineSession::Result traced = wine().run(runtime, QStringList{"--trace"} + options);
    ASSERT_TRUE(traced.finished);
    EXPECT_EQ(traced.exitCode, 0) << traced.err.toStdString();
    EXPECT_EQ(traced.out.toStdString(), expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(EveryEffectAtTheFastestSpeed, WindowsTraceTest,
                         ::testing::Combine(::testing::Range(kFirstEffect, kLastEffect + 1),
                                            ::testing::Values(kFastestSpeed)));
// One effect of each family at the slowest speed, where every frame is drawn.
INSTANTIATE_TEST_SUITE_P(OnePerFamilyAtTheSlowestSpeed, WindowsTraceTest,
                         ::testing::Combine(::testing::Values(1, 9, 11, 23, 30, 33),
                                            ::testing::Values(kSlowestSpeed)));

TEST_F(WindowsTraceTest, StopAtFrameCutsTheTraceAsKremoaCliDoes)
{
    const QStringList options =
        QStringList{"--effect", "32"} + kSize + QStringList{"--speed", "1", "--stop-at-frame", "2"};
    QProcess cli;
    cli.start(AppFolder::path("kremoa-cli"), QStringList{"trace"} + options);
    ASSERT_TRUE(cli.waitForFinished(WineSession::kTimeoutMs));
    const QByteArray expected = cli.readAllStandardOutput();
    ASSERT_FALSE(expected.isEmpty());

    const WineSession::Result traced = wine().run(runtime, QStringList{"--trace"} + options);
    EXPECT_EQ(traced.exitCode, 0) << traced.err.toStdString();
    EXPECT_EQ(traced.out.toStdString(), expected.toStdString());
}

}  // namespace
