#include "document/PackagePlan.h"
#include "document/WorkspaceFile.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

// The demo show made by the build (demo/) must open and build as it is.
TEST(DemoShowTest, DemoWorkspaceOpensAndEveryFileItNamesExists)
{
    const QDir demo(
        qEnvironmentVariable("KREMOA_BUILD_DIR", QStringLiteral(KREMOA_TEST_BUILD_DIR)) +
        QStringLiteral("/demo"));
    const Expected<WorkspaceRecord> record =
        WorkspaceFile::load(demo.filePath(QStringLiteral("demo.kwp")));
    ASSERT_TRUE(record.ok()) << record.error().toStdString();
    const EditableShow show = WorkspaceFile::toShow(record.value());
    EXPECT_EQ(show.canvasWidth, 320);
    EXPECT_EQ(show.canvasHeight, 240);
    EXPECT_GE(show.slideCount(), 4);

    const Expected<PackagePlan> plan = PackagePlan::make(show, 0);
    ASSERT_TRUE(plan.ok()) << plan.error().toStdString();
    EXPECT_EQ(plan->bgmName, "bgm.mid");

    bool transparentSlideShowsBackground = false;
    for (int i = 0; i < show.slideCount(); ++i) {
        const QImage picture(show.imagePaths[i]);
        ASSERT_FALSE(picture.isNull()) << show.imagePaths[i].toStdString();
        const SlideItem& slide = show.document.Slides[i];
        if (slide.Transparent == 1) {
            const QRgb corner = picture.pixel(0, 0);
            const quint32 colourRef =
                quint32(qRed(corner)) | quint32(qGreen(corner)) << 8 | quint32(qBlue(corner)) << 16;
            transparentSlideShowsBackground = colourRef == show.backColor;
        }
    }
    EXPECT_TRUE(transparentSlideShowsBackground);
    EXPECT_TRUE(QFile::exists(demo.filePath(QStringLiteral("demo.json"))));
}

}  // namespace
