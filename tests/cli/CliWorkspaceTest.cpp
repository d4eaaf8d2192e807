#include "CliRunner.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class CliWorkspaceTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
};

TEST_F(CliWorkspaceTest, WriteThenDumpGivesTheShowBackAtSpeedZero)
{
    const QByteArray show = R"({"bgm": "C:\\m.mid", "backColor": 16711680,
        "canvasWidth": 320, "canvasHeight": 240,
        "slides": [{"image": "C:\\a.bmp", "displayTime": 3000, "posX": 10, "posY": 20,
                    "effect": 5, "speed": 3, "keepPrevious": 1}]})";
    ASSERT_TRUE(writeAll(path("show.json"), show));
    const CliRunner::Result written =
        CliRunner::run({"workspace", "write", path("show.json"), path("show.kwp")});
    ASSERT_EQ(written.exitCode, 0) << written.errText().toStdString();
    // The worked example of the format, byte for byte.
    EXPECT_EQ(readAll(path("show.kwp")).toHex(),
              "0300343030"
              "0800433a5c6d2e6d6964"
              "0000ff0040010000f0000000"
              "01000100000000000000"
              "0800433a5c612e626d70"
              "b80b00000a0000001400000005000000"
              "000001000000");

    const CliRunner::Result dumped = CliRunner::run({"workspace", "dump", path("show.kwp")});
    ASSERT_EQ(dumped.exitCode, 0) << dumped.errText().toStdString();
    const QJsonObject root = QJsonDocument::fromJson(dumped.out).object();
    EXPECT_EQ(root.value("bgm").toString(), "C:\\m.mid");
    EXPECT_EQ(root.value("backColor").toInteger(), 0xFF0000);
    EXPECT_EQ(root.value("canvasWidth").toInt(), 320);
    EXPECT_EQ(root.value("canvasHeight").toInt(), 240);
    const QJsonArray slides = root.value("slides").toArray();
    ASSERT_EQ(slides.size(), 1);
    const QJsonObject slide = slides[0].toObject();
    EXPECT_EQ(slide.value("image").toString(), "C:\\a.bmp");
    EXPECT_EQ(slide.value("displayTime").toInt(), 3000);
    EXPECT_EQ(slide.value("posX").toInt(), 10);
    EXPECT_EQ(slide.value("posY").toInt(), 20);
    EXPECT_EQ(slide.value("effect").toInt(), 5);
    EXPECT_EQ(slide.value("speed").toInt(), 0);
    EXPECT_EQ(slide.value("sound").toString(), "");
    EXPECT_EQ(slide.value("keepPrevious").toInt(), 1);
    EXPECT_EQ(slide.value("transparent").toInt(), 0);
}

TEST_F(CliWorkspaceTest, DumpOfAFileItCannotTakeSaysCannotOpen)
{
    ASSERT_TRUE(writeAll(path("wrong.kwp"), QByteArray::fromHex("0300343031")));
    for (const QString& file : {path("wrong.kwp"), path("missing.kwp")}) {
        const CliRunner::Result result = CliRunner::run({"workspace", "dump", file});
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.errText().contains(QStringLiteral("開けません")));
        EXPECT_TRUE(result.out.isEmpty());
    }
}

TEST_F(CliWorkspaceTest, WriteRefusesBadJsonAndKeepsTheOldFile)
{
    ASSERT_TRUE(writeAll(path("bad.json"), "{\"slides\": ["));
    ASSERT_TRUE(writeAll(path("old.kwp"), "old"));
    const CliRunner::Result result =
        CliRunner::run({"workspace", "write", path("bad.json"), path("old.kwp")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(result.err.isEmpty());
    EXPECT_EQ(readAll(path("old.kwp")), "old");

    ASSERT_TRUE(writeAll(path("empty.json"), R"({"slides": []})"));
    EXPECT_EQ(CliRunner::run({"workspace", "write", path("empty.json"), path("old.kwp")}).exitCode,
              2);
    EXPECT_EQ(readAll(path("old.kwp")), "old");
}

}  // namespace
