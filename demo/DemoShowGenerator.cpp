// Writes the demo show into the folder given as the only argument: five pictures, a sound
// effect, a MIDI tune, demo.kwp (absolute paths) and demo.json.

#include "DemoPictures.h"
#include "ShowJson.h"

#include "document/WorkspaceFile.h"
#include "media/MediaFactory.h"

#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr QSize kCanvas(320, 240);
constexpr int kDisplayTime = 2000;
constexpr int kTempoBpm = 132;
constexpr int kChimeMs = 350;
constexpr double kChimeHz = 1046.5;  // C6

// The show's background colour; the star picture uses exactly this colour around the star.
const QColor kBackground(16, 24, 64);

quint32 colourRef(QColor colour)
{
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

// "Twinkle, twinkle, little star", first verse.
QList<MidiTune::Note> melody()
{
    constexpr int C = 60, D = 62, E = 64, F = 65, G = 67, A = 69;
    return {{C, 1}, {C, 1}, {G, 1}, {G, 1}, {A, 1}, {A, 1}, {G, 2}, {F, 1}, {F, 1}, {E, 1}, {E, 1},
            {D, 1}, {D, 1}, {C, 2}, {G, 1}, {G, 1}, {F, 1}, {F, 1}, {E, 1}, {E, 1}, {D, 2}, {G, 1},
            {G, 1}, {F, 1}, {F, 1}, {E, 1}, {E, 1}, {D, 2}, {C, 1}, {C, 1}, {G, 1}, {G, 1}, {A, 1},
            {A, 1}, {G, 2}, {F, 1}, {F, 1}, {E, 1}, {E, 1}, {D, 1}, {D, 1}, {C, 2}};
}

struct DemoSlide {
    QString image;
    int posX;
    int posY;
    int effect;
    int speed;
    QString sound;
    qint16 keepPrevious;
    qint16 transparent;
};

bool fail(const QString& message)
{
    QTextStream(stderr) << "demo: " << message << '\n';
    return false;
}

bool generate(const QString& folder)
{
    const MediaFactory media(folder);
    const QString sunrise = media.image("sunrise.bmp", DemoPictures::sunrise(kCanvas));
    const QString flower = media.image("flower.jpg", DemoPictures::flower({240, 180}));
    const QString star = media.image("star.bmp", DemoPictures::star({200, 200}, kBackground));
    const QString stripes = media.image("stripes.bmp", DemoPictures::stripes({160, 120}));
    const QString bubbles = media.image("bubbles.jpg", DemoPictures::bubbles(kCanvas));
    const QString chime = media.wav("chime.wav", kChimeMs, kChimeHz);
    const QString tune = media.midi("twinkle.mid", melody(), kTempoBpm);
    for (const QString& written : {sunrise, flower, star, stripes, bubbles, chime, tune}) {
        if (written.isEmpty()) {
            return fail(QStringLiteral("cannot write the media into ") + folder);
        }
    }

    const QList<DemoSlide> slides{
        {sunrise, 0, 0, 1, 0, QString(), 0, 0}, {flower, 40, 30, 7, 1, chime, 0, 0},
        {star, 60, 20, 12, 0, QString(), 1, 1}, {stripes, 80, 60, 20, 2, QString(), 0, 0},
        {bubbles, 0, 0, 30, 1, chime, 0, 0},    {sunrise, 0, 0, 35, 3, QString(), 0, 0},
    };
    EditableShow show;
    show.bgmPath = tune;
    show.canvasWidth = kCanvas.width();
    show.canvasHeight = kCanvas.height();
    show.backColor = colourRef(kBackground);
    for (const DemoSlide& slide : slides) {
        SlideItem item;
        item.DisplayTime = kDisplayTime;
        item.PosX = slide.posX;
        item.PosY = slide.posY;
        item.EffectNumber = slide.effect;
        item.SpeedIndex = slide.speed;
        item.SoundPath = slide.sound;
        item.KeepPrevious = slide.keepPrevious;
        item.Transparent = slide.transparent;
        show.imagePaths.append(slide.image);
        show.document.Slides.append(item);
    }
    show.document.SlideCount = show.slideCount();

    const Status saved = WorkspaceFile::save(media.path("demo.kwp"), WorkspaceFile::fromShow(show));
    if (!saved.ok()) {
        return fail(saved.error());
    }
    if (media.bytes("demo.json", ShowJson::toJson(show)).isEmpty()) {
        return fail(QStringLiteral("cannot write demo.json"));
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: kremoa-demo-generator FOLDER\n", stderr);
        return 2;
    }
    return generate(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
