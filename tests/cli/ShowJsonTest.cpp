#include "ShowJson.h"

#include "document/WorkspaceFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

EditableShow sampleShow()
{
    EditableShow show;
    show.bgmPath = QStringLiteral("/音楽/曲.mid");
    show.backColor = 0x00FFEEDD;
    show.canvasWidth = 320;
    show.canvasHeight = 240;
    for (int i = 0; i < 2; ++i) {
        show.imagePaths.append(QStringLiteral("/写真/%1.bmp").arg(i));
        SlideItem item;
        item.DisplayTime = 2000 + i;
        item.PosX = -5;
        item.PosY = 7 * i;
        item.EffectNumber = 35;
        item.SpeedIndex = 2;
        item.SoundPath = i == 0 ? QStringLiteral("/s/ポン.wav") : QString();
        item.KeepPrevious = 1;
        item.Transparent = qint16(i);
        show.document.Slides.append(item);
    }
    show.document.SlideCount = 2;
    show.document.CanvasWidth = 320;
    show.document.CanvasHeight = 240;
    show.document.BackColor = 0x00FFEEDD;
    return show;
}

TEST(ShowJsonTest, ShowRoundTripsThroughJson)
{
    const Expected<EditableShow> back = ShowJson::fromJson(ShowJson::toJson(sampleShow()));
    ASSERT_TRUE(back.ok()) << back.error().toStdString();
    EXPECT_EQ(back.value(), sampleShow());
}

TEST(ShowJsonTest, MissingSlideFieldsTakeTheNewSlideDefaults)
{
    const Expected<EditableShow> show =
        ShowJson::fromJson(R"({"canvasWidth": 10, "slides": [{"image": "/a.bmp"}]})");
    ASSERT_TRUE(show.ok());
    ASSERT_EQ(show->slideCount(), 1);
    EXPECT_EQ(show->document.Slides[0], SlideItem());
    EXPECT_EQ(show->document.SlideCount, 1);
    EXPECT_EQ(show->canvasWidth, 10);
    EXPECT_TRUE(show->bgmPath.isEmpty());
}

TEST(ShowJsonTest, RefusesMalformedShows)
{
    for (const char* json : {
             "not json",
             "[]",
             R"({"slides": 3})",
             R"({"slides": [3]})",
             R"({"slides": [{}]})",
             R"({"slides": [{"image": 1}]})",
             R"({"slides": [{"image": "/a", "displayTime": 1.5}]})",
             R"({"slides": [{"image": "/a", "keepPrevious": 40000}]})",
             R"({"backColor": -1, "slides": []})",
             R"({"canvasWidth": "320", "slides": []})",
             R"({"canvasWidth": 1e300, "slides": []})",
             R"({"canvasWidth": 2147483648, "slides": []})",
         }) {
        EXPECT_FALSE(ShowJson::fromJson(QByteArrayView(json, qstrlen(json))).ok()) << json;
    }
}

TEST(ShowJsonTest, LoadShowTakesJsonOrWorkspaceFiles)
{
    QTemporaryDir dir;
    const QString json = dir.filePath(QStringLiteral("show.JSON"));
    QFile file(json);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ShowJson::toJson(sampleShow()));
    file.close();
    const QString kwp = dir.filePath(QStringLiteral("show.kwp"));
    ASSERT_TRUE(WorkspaceFile::save(kwp, WorkspaceFile::fromShow(sampleShow())).ok());

    const Expected<EditableShow> fromJson = loadShow(json);
    ASSERT_TRUE(fromJson.ok()) << fromJson.error().toStdString();
    EXPECT_EQ(fromJson.value(), sampleShow());
    const Expected<EditableShow> fromWorkspace = loadShow(kwp);
    ASSERT_TRUE(fromWorkspace.ok());
    EXPECT_EQ(fromWorkspace->document.Slides[0].SpeedIndex, 0);
    EXPECT_EQ(fromWorkspace->imagePaths, sampleShow().imagePaths);
    EXPECT_FALSE(loadShow(dir.filePath(QStringLiteral("missing.kwp"))).ok());
}

}  // namespace
