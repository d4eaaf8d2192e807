#include "document/EditableShow.h"
#include "effects/VirtualTicker.h"
#include "media/MediaFactory.h"
#include "player/ColourRef.h"
#include "player/EditableShowSource.h"
#include "player/ImageCanvasFactory.h"
#include "player/QtPixels.h"
#include "player/RecordingAudio.h"
#include "player/ShowLoop.h"
#include "player/SimulatedShow.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

constexpr quint32 kBackColor = 0x00402010;  // 0x00BBGGRR
constexpr int kWipeLeftToRight = 5;

SlideItem slide(qint32 displayTime, qint32 effect = 0, qint32 speedIndex = 0)
{
    SlideItem item;
    item.DisplayTime = displayTime;
    item.EffectNumber = effect;
    item.SpeedIndex = speedIndex;
    return item;
}

class ShowLoopTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    MediaFactory media{dir.path()};
    EditableShow show;

    void SetUp() override
    {
        show.canvasWidth = 32;
        show.canvasHeight = 24;
        show.backColor = kBackColor;
    }

    void addSlide(const SlideItem& item, const QString& image = {})
    {
        const int index = show.slideCount();
        show.imagePaths.append(
            image.isEmpty()
                ? media.solidImage(QStringLiteral("slide%1.bmp").arg(index), {8, 6}, Qt::white)
                : image);
        show.document.Slides.append(item);
        show.document.SlideCount = show.slideCount();
    }

    QStringList simulate(const SimulationOptions& options)
    {
        QStringList lines;
        EditableShowSource source(show);
        SimulatedShow simulation(source, options, [&lines](const QByteArray& line) {
            lines.append(QString::fromUtf8(line));
        });
        const Status status = simulation.run();
        EXPECT_TRUE(status.ok()) << status.error().toStdString();
        return lines;
    }

    static SimulationOptions transitions(int count)
    {
        SimulationOptions options;
        options.transitions = count;
        return options;
    }
};

QString transition(qint64 t, int from, int to, int effect = 0, int speed = 1)
{
    return QStringLiteral(R"({"t":%1,"ev":"transition","from":%2,"to":%3,"effect":%4,"speed":%5})")
        .arg(t)
        .arg(from)
        .arg(to)
        .arg(effect)
        .arg(speed);
}

QString mci(qint64 t, const QString& command)
{
    return QStringLiteral(R"({"t":%1,"ev":"mci","cmd":"%2"})").arg(t).arg(command);
}

QString event(qint64 t, const QString& name)
{
    return QStringLiteral(R"({"t":%1,"ev":"%2"})").arg(t).arg(name);
}

QString sound(qint64 t, const QString& path)
{
    return QStringLiteral(R"({"t":%1,"ev":"sound","path":"%2"})").arg(t).arg(path);
}

QString shown(qint64 t)
{
    return QStringLiteral(R"({"t":%1,"ev":"show","slide":0})").arg(t);
}

QStringList matching(const QStringList& lines, const QString& text)
{
    return lines.filter(text);
}

TEST_F(ShowLoopTest, DisplayTimeRunsFromBeforeThePreparationAndTheShowWrapsAround)
{
    const QString music = media.midi(QStringLiteral("music.mid"));
    show.bgmPath = music;
    addSlide(slide(1000));
    addSlide(slide(500));
    addSlide(slide(200));

    const QStringList lines = simulate(transitions(4));

    const QString open = QStringLiteral(R"(open \"%1\" alias bgm)").arg(music);
    const QString status = QStringLiteral("status bgm mode");
    EXPECT_EQ(lines, (QStringList{mci(0, open), mci(0, QStringLiteral("play bgm")), shown(0),
                                  transition(1001, 0, 1), mci(1001, status), transition(1502, 1, 2),
                                  mci(1502, status), transition(1703, 2, 0), mci(1703, status),
                                  transition(2704, 0, 1), mci(2704, status),
                                  mci(2704, QStringLiteral("close bgm")), event(2704, "purge"),
                                  event(2704, "stop")}));
}

TEST_F(ShowLoopTest, TransitionUsesEffectAndSpeedOfTheSlideBeingLeft)
{
    addSlide(slide(10, 36, 1));
    addSlide(slide(10, -1, 3));
    addSlide(slide(10, 0, 2));

    const QStringList lines = simulate(transitions(3));

    EXPECT_EQ(matching(lines, QStringLiteral("transition")),
              (QStringList{transition(11, 0, 1, 36, 2), transition(22, 1, 2, -1, 8),
                           transition(33, 2, 0, 0, 4)}));
    EXPECT_TRUE(matching(lines, QStringLiteral("mci")).isEmpty());
}

TEST_F(ShowLoopTest, SpeedIndexOutsideTheSpeedListIsHeldWithinIt)
{
    addSlide(slide(10, 0, -2));
    addSlide(slide(10, 0, 9));

    const QStringList lines = simulate(transitions(2));

    EXPECT_EQ(matching(lines, QStringLiteral("transition")),
              (QStringList{transition(11, 0, 1, 0, 1), transition(22, 1, 0, 0, 8)}));
}

TEST_F(ShowLoopTest, OneSlideLoopsOntoItselfWithItsOwnSoundEachTime)
{
    const QString beep = media.wav(QStringLiteral("beep.wav"));
    SlideItem only = slide(100, 0, 1);
    only.SoundPath = beep;
    addSlide(only);

    const QStringList lines = simulate(transitions(2));

    EXPECT_EQ(lines, (QStringList{shown(0), sound(101, beep), transition(101, 0, 0, 0, 2),
                                  sound(202, beep), transition(202, 0, 0, 0, 2),
                                  event(202, "purge"), event(202, "stop")}));
}

TEST_F(ShowLoopTest, SlideZeroSoundWaitsForTheReturnAndMissingSoundsPlayNothing)
{
    const QString first = media.wav(QStringLiteral("first.wav"));
    SlideItem zero = slide(100);
    zero.SoundPath = first;
    SlideItem missing = slide(100);
    missing.SoundPath = media.path(QStringLiteral("missing.wav"));
    SlideItem folder = slide(100);
    folder.SoundPath = dir.path();  // a folder is not a sound file
    addSlide(zero);
    addSlide(missing);
    addSlide(folder);
    addSlide(slide(100));

    const QStringList lines = simulate(transitions(4));

    EXPECT_EQ(matching(lines, QStringLiteral("\"sound\"")), QStringList{sound(404, first)});
    // The sound starts after the wait and before the transition into its slide.
    EXPECT_EQ(lines.indexOf(sound(404, first)) + 1, lines.indexOf(transition(404, 3, 0)));
}

TEST_F(ShowLoopTest, MusicRestartsAfterTheFirstCheckThatFindsItStopped)
{
    show.bgmPath = media.wav(QStringLiteral("music.wav"));
    addSlide(slide(1000));
    SimulationOptions options = transitions(4);
    options.musicMs = 1500;

    const QStringList commands = matching(simulate(options), QStringLiteral("\"mci\""));

    const QString status = QStringLiteral("status bgm mode");
    const QString seek = QStringLiteral("seek bgm to start");
    const QString play = QStringLiteral("play bgm");
    EXPECT_EQ(commands.mid(1),
              (QStringList{mci(0, play), mci(1001, status), mci(2002, status), mci(2002, seek),
                           mci(2002, play), mci(3003, status), mci(4004, status), mci(4004, seek),
                           mci(4004, play), mci(4004, QStringLiteral("close bgm"))}));
}

TEST_F(ShowLoopTest, MissingMusicIsNeverRestarted)
{
    show.bgmPath = media.path(QStringLiteral("gone.mid"));
    addSlide(slide(1000));
    SimulationOptions options = transitions(3);
    options.musicMs = 10;

    const QStringList lines = simulate(options);

    EXPECT_TRUE(matching(lines, QStringLiteral("seek")).isEmpty());
    EXPECT_EQ(matching(lines, QStringLiteral("status bgm mode")).size(), 3);
}

TEST_F(ShowLoopTest, StopDuringTheWaitStillStartsTheSoundAndRunsTheTransition)
{
    const QString beep = media.wav(QStringLiteral("beep.wav"));
    addSlide(slide(1000, kWipeLeftToRight));
    SlideItem second = slide(1000);
    second.SoundPath = beep;
    addSlide(second);
    show.bgmPath = media.midi(QStringLiteral("music.mid"));
    SimulationOptions options;
    options.stopAtMs = 500;

    const QStringList lines = simulate(options);

    EXPECT_EQ(lines.mid(3),
              (QStringList{sound(500, beep), transition(500, 0, 1, kWipeLeftToRight, 1),
                           mci(500, QStringLiteral("status bgm mode")),
                           mci(500, QStringLiteral("close bgm")), event(500, "purge"),
                           event(500, "stop")}));
}

TEST_F(ShowLoopTest, StopDuringAnEffectEndsItAtOnceAndFinishesThePass)
{
    addSlide(slide(1000, kWipeLeftToRight));
    addSlide(slide(1000));
    SimulationOptions options;
    options.stopAtMs = 1100;

    const QStringList lines = simulate(options);

    EXPECT_EQ(lines, (QStringList{shown(0), transition(1001, 0, 1, kWipeLeftToRight, 1),
                                  event(1100, "purge"), event(1100, "stop")}));
}

TEST_F(ShowLoopTest, SimulationWithoutAWayToStopIsRefused)
{
    addSlide(slide(1000));
    EditableShowSource source(show);
    QStringList lines;
    SimulatedShow simulation(source, SimulationOptions{},
                             [&lines](const QByteArray& line) { lines.append(line); });

    EXPECT_FALSE(simulation.run().ok());
    EXPECT_TRUE(lines.isEmpty());
}

TEST_F(ShowLoopTest, PathsAreWrittenAsStoredAndJsonEscaped)
{
    const QString odd = media.wav(QStringLiteral("say \"音\".wav"));
    SlideItem only = slide(10);
    only.SoundPath = odd;
    addSlide(only);

    const QStringList lines = simulate(transitions(1));

    QString escaped = odd;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    EXPECT_TRUE(lines.contains(sound(11, escaped))) << lines.join('\n').toStdString();
}

TEST_F(ShowLoopTest, DumpedFramesAreTheComposedFramesOfEachPass)
{
    addSlide(slide(10), media.solidImage(QStringLiteral("red.bmp"), {32, 24}, Qt::red));
    addSlide(slide(10), media.solidImage(QStringLiteral("blue.bmp"), {32, 24}, Qt::blue));
    SimulationOptions options = transitions(2);
    options.dumpFolder = dir.filePath(QStringLiteral("frames"));

    simulate(options);

    const QImage red = QImage(media.path(QStringLiteral("red.bmp")));
    const QImage blue = QImage(media.path(QStringLiteral("blue.bmp")));
    const QDir frames(options.dumpFolder);
    EXPECT_EQ(frames.entryList(QDir::Files),
              (QStringList{"0001-in.png", "0001-out.png", "0002-in.png", "0002-out.png"}));
    const auto frame = [&frames](const char* name) {
        return QImage(frames.filePath(QLatin1String(name))).convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(frame("0001-out.png"), red.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(frame("0001-in.png"), blue.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(frame("0002-out.png"), blue.convertToFormat(QImage::Format_RGB32));
}

// Runs the loop directly to look at the surfaces.
class FrameRecorder : public ShowObserver {
public:
    // The surfaces are drawn on again in the next pass: keep copies.
    void framesComposed(int, const PixelImage& outgoing, const PixelImage& incoming) override
    {
        frames.append({QtPixels::constView(outgoing).copy(), QtPixels::constView(incoming).copy()});
    }
    QList<std::pair<QImage, QImage>> frames;
};

TEST_F(ShowLoopTest, UndecodableImageLeavesTheBackgroundAndTheShowGoesOn)
{
    addSlide(slide(10), media.solidImage(QStringLiteral("red.bmp"), {32, 24}, Qt::red));
    addSlide(slide(10), media.bytes(QStringLiteral("broken.bmp"), QByteArray("BM not really")));
    EditableShowSource source(show);
    VirtualTicker ticker;
    ProgramState state;
    FrameRecorder recorder;
    RecordingAudio audio(ticker, recorder, std::nullopt);
    ShowStage stage;
    ImageCanvasFactory canvases;
    ShowLoop loop(source, audio, ticker, state, stage, recorder, canvases);
    ticker.stopDuringWait(1);

    loop.run();

    ASSERT_EQ(recorder.frames.size(), 2);
    QImage background(32, 24, QImage::Format_RGB32);
    background.fill(ColourRef::toRgb(kBackColor));
    QImage red(32, 24, QImage::Format_RGB32);
    red.fill(Qt::red);
    EXPECT_EQ(recorder.frames[0].first, red);
    EXPECT_EQ(recorder.frames[0].second, background);
    EXPECT_EQ(recorder.frames[1].first, background);
    EXPECT_EQ(recorder.frames[1].second, red);
    EXPECT_EQ(QtPixels::constView(loop.screen()),
              red);  // the stopped pass still ran its transition
}

TEST_F(ShowLoopTest, KeepPreviousPilesImagesUpAcrossCycles)
{
    SlideItem left = slide(10);
    left.KeepPrevious = 1;
    SlideItem right = slide(10);
    right.KeepPrevious = 1;
    right.PosX = 16;
    addSlide(left, media.solidImage(QStringLiteral("left.bmp"), {16, 24}, Qt::green));
    addSlide(right, media.solidImage(QStringLiteral("right.bmp"), {16, 24}, Qt::blue));
    EditableShowSource source(show);
    VirtualTicker ticker;
    ProgramState state;
    FrameRecorder recorder;
    RecordingAudio audio(ticker, recorder, std::nullopt);
    ShowStage stage;
    ImageCanvasFactory canvases;
    ShowLoop loop(source, audio, ticker, state, stage, recorder, canvases);
    ticker.stopDuringWait(1);

    loop.run();

    // Pass 1 keeps the green left half and adds the blue right half; pass 2 keeps both.
    ASSERT_EQ(recorder.frames.size(), 2);
    const QImage& both = recorder.frames[1].second;
    EXPECT_EQ(both.pixel(0, 0), QColor(Qt::green).rgb());
    EXPECT_EQ(both.pixel(31, 23), QColor(Qt::blue).rgb());
    EXPECT_EQ(recorder.frames[0].second, both);
}

}  // namespace
