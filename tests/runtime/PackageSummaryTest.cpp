#include "document/ByteView.h"
#include "document/PackageReader.h"
#include "media/MediaFactory.h"
#include "runtime/PackageSummary.h"
#include "support/PackageTestShow.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

// The summary as Qt's JSON writer lays out these fields, for comparison.
QByteArray qtSummary(const PackageView& package, const PackageSummary::Identity& identity,
                     qint64 fileSize)
{
    QJsonArray slides;
    for (const PackageSlide& slide : package.slides) {
        slides.append(QJsonObject{
            {"imageRef", QString::fromStdString(slide.imageRef)},
            {"soundPath", QString::fromStdString(slide.soundPath)},
            {"displayTime", slide.DisplayTime},
            {"posX", slide.PosX},
            {"posY", slide.PosY},
            {"effectNumber", slide.EffectNumber},
            {"speedIndex", slide.SpeedIndex},
            {"keepPrevious", slide.KeepPrevious},
            {"transparent", slide.Transparent},
            {"imageBytes", qint64(slide.imageData.size())},
            {"soundBytes", qint64(slide.soundData.size())},
        });
    }
    const QJsonObject summary{
        {"title", QString::fromStdString(identity.title)},
        {"version", QString::fromStdString(identity.version)},
        {"iconWidth", identity.iconWidth},
        {"canvasWidth", package.CanvasWidth},
        {"canvasHeight", package.CanvasHeight},
        {"backColor", QStringLiteral("0x%1").arg(package.BackColor, 8, 16, QLatin1Char('0'))},
        {"soundSwitchable", package.SoundSwitchable},
        {"slideCount", qint64(package.slides.size())},
        {"bgmName", QString::fromStdString(package.bgmName)},
        {"bgmBytes", qint64(package.bgmData.size())},
        {"slides", slides},
        {"packageSize", package.PackageSize},
        {"fileSize", fileSize},
    };
    return QJsonDocument(summary).toJson(QJsonDocument::Indented);
}

class PackageSummaryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MediaFactory media(root.path());
        const QString red = media.solidImage("red.bmp", {6, 4}, Qt::red);
        const QString blue = media.solidImage("blue.bmp", {3, 3}, Qt::blue);
        const QString beep = media.wav("beep.wav", 20);
        EditableShow show;
        show.imagePaths = {red, blue, red};
        show.document.Slides.resize(3);
        show.document.Slides[0].PosX = -7;
        show.document.Slides[1].SoundPath = beep;
        show.document.Slides[1].EffectNumber = 35;
        show.document.Slides[1].SpeedIndex = 3;
        show.document.Slides[2].KeepPrevious = 1;
        show.document.Slides[2].Transparent = 1;
        show.bgmPath = media.wav("tune.wav", 30);
        show.canvasWidth = 640;
        show.canvasHeight = 480;
        show.backColor = 0x00A0B0C0;
        QString error;
        bytes = PackageTestShow::write(show, &error, 1);
        ASSERT_FALSE(bytes.isEmpty()) << error.toStdString();
        CoreExpected<PackageView> read = PackageReader::read(ByteView::of(bytes));
        ASSERT_TRUE(read.ok()) << read.error();
        package = std::move(read.value());
    }

    QTemporaryDir root;
    QByteArray bytes;
    PackageView package;
};

TEST_F(PackageSummaryTest, IsTheIndentedJsonDocumentWithSortedKeys)
{
    const PackageSummary::Identity identity{"冬の庭 スライド", "1.2.3", 32};
    const std::string text = PackageSummary::text(package, identity, 123456789012);
    EXPECT_EQ(QByteArray::fromStdString(text), qtSummary(package, identity, 123456789012));

    QJsonParseError error;
    const QJsonObject parsed =
        QJsonDocument::fromJson(QByteArray::fromStdString(text), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(parsed["title"].toString(), QStringLiteral("冬の庭 スライド"));
    EXPECT_EQ(parsed["backColor"].toString(), "0x00a0b0c0");
    EXPECT_EQ(parsed["slides"].toArray().size(), 3);
    EXPECT_EQ(parsed["slides"].toArray()[1].toObject()["soundPath"].toString(), "1.wav");
    EXPECT_EQ(parsed["slides"].toArray()[0].toObject()["posX"].toInt(), -7);
}

TEST_F(PackageSummaryTest, TextsWithQuotesAndControlCharactersAreEscapedAsQtWould)
{
    const PackageSummary::Identity identity{"say \"hi\"\\\n\ttab\x01", "", 0};
    const std::string text = PackageSummary::text(package, identity, 0);
    EXPECT_EQ(QByteArray::fromStdString(text), qtSummary(package, identity, 0));
    EXPECT_NE(text.find(R"("title": "say \"hi\"\\\n\ttab\u0001")"), std::string::npos) << text;
}

}  // namespace
