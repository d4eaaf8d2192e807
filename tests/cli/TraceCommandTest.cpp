#include "CliRunner.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <string>

namespace {

CliRunner::Result runTrace(const QStringList& options)
{
    return CliRunner::run(QStringList{QStringLiteral("trace")} + options);
}

TEST(TraceCommand, PrintsEveryOperationAndWaitAsOneJsonLine)
{
    const CliRunner::Result result =
        runTrace(QStringList{"--effect", "32", "--width", "800", "--height", "600", "--speed", "3",
                             "--stop-at-frame", "1"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.toStdString(),
              "{\"op\":\"copy\",\"src\":\"out\",\"dst\":[0,0,800,600],\"at\":[0,0]}\n"
              "{\"op\":\"clip\",\"polygon\":[[400,-200],[400,300],[487,-192]]}\n"
              "{\"op\":\"copy\",\"src\":\"in\",\"dst\":[0,0,800,600],\"at\":[0,0]}\n"
              "{\"op\":\"refresh\"}\n"
              "{\"op\":\"unclip\"}\n"
              "{\"op\":\"wait\",\"until\":5}\n"
              "{\"op\":\"clip\",\"polygon\":[[487,-192],[400,300],[571,-170]]}\n"
              "{\"op\":\"copy\",\"src\":\"in\",\"dst\":[0,0,800,600],\"at\":[0,0]}\n"
              "{\"op\":\"refresh\"}\n"
              "{\"op\":\"unclip\"}\n"
              "{\"op\":\"wait\",\"until\":11}\n"
              "{\"op\":\"copy\",\"src\":\"in\",\"dst\":[0,0,800,600],\"at\":[0,0]}\n");
}

TEST(TraceCommand, NoneCopiesOnceAndUnknownNumbersPrintNothing)
{
    const CliRunner::Result none =
        runTrace(QStringList{"--effect", "0", "--width", "8", "--height", "6"});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out.toStdString(),
              "{\"op\":\"copy\",\"src\":\"in\",\"dst\":[0,0,8,6],\"at\":[0,0]}\n");
    const CliRunner::Result unknown =
        runTrace(QStringList{"--effect", "36", "--width", "8", "--height", "6"});
    EXPECT_EQ(unknown.exitCode, 0);
    EXPECT_TRUE(unknown.out.isEmpty());
}

TEST(TraceCommand, RefusesMissingOrMalformedOptions)
{
    const QStringList refused[] = {
        {"--effect", "3", "--width", "8"},
        {"--effect", "x", "--width", "8", "--height", "6"},
        {"--effect", "3", "--width", "8", "--height", "6", "--speed", "4"},
        {"--effect", "3", "--width", "0", "--height", "6"},
        {"--effect", "3", "--width", "8", "--height", "6", "--colour", "1"},
    };
    for (const QStringList& options : refused) {
        EXPECT_EQ(runTrace(options).exitCode, 2) << options.join(' ').toStdString();
    }
}

}  // namespace
