#include "media/MediaFactory.h"
#include "platform/AudioFileType.h"
#include "platform/SdlAudio.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include <cstdlib>
#include <memory>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The disk driver writes what would be played (16-bit stereo samples) into a file, about
// fifty times faster than real time with a 1 ms pause per buffer.
constexpr const char* kFastWrites = "1";
constexpr int kAudibleLevel = 500;
constexpr int kWaitLimitMs = 30000;
constexpr int kPollMs = 10;
constexpr qint64 kOneSecondOfOutput = 44100 * 2 * 2;

int loudestSample(const QString& rawPath)
{
    QFile file(rawPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray bytes = file.readAll();
    int loudest = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const auto sample = qFromLittleEndian<qint16>(bytes.constData() + i);
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    return loudest;
}

template <typename Condition>
bool waitFor(Condition condition)
{
    const QDeadlineTimer limit(kWaitLimitMs);
    while (!condition()) {
        if (limit.hasExpired()) {
            return false;
        }
        QThread::msleep(kPollMs);
    }
    return true;
}

class SdlAudioTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    MediaFactory media{dir.path()};
    QString output = dir.filePath(QStringLiteral("output.raw"));

    void SetUp() override
    {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output));
        qputenv("SDL_DISKAUDIODELAY", kFastWrites);
    }
};

TEST_F(SdlAudioTest, GeneratedMidiMusicIsHeardUntilItStops)
{
    const QString tune = media.midi(QStringLiteral("tune.mid"), 4);
    auto audio = std::make_unique<SdlAudio>();

    audio->sendCommand(QStringLiteral("open \"%1\" alias bgm").arg(tune).toStdString());
    audio->sendCommand("play bgm");
    EXPECT_EQ(audio->sendCommand("status bgm mode"), "playing");
    EXPECT_TRUE(waitFor([&] { return audio->sendCommand("status bgm mode") == "stopped"; }));
    audio->sendCommand("close bgm");
    audio.reset();

    EXPECT_GT(loudestSample(output), kAudibleLevel);
}

TEST_F(SdlAudioTest, SoundFontComesFromTheVariableAndAMissingOneLeavesMidiSilent)
{
    qputenv(SdlAudio::kSoundFontVariable,
            QFile::encodeName(dir.filePath(QStringLiteral("none.sf2"))));
    EXPECT_EQ(SdlAudio::soundFont(), dir.filePath(QStringLiteral("none.sf2")));
    const QString tune = media.midi(QStringLiteral("tune.mid"), 2);
    auto audio = std::make_unique<SdlAudio>();

    audio->sendCommand(QStringLiteral("open \"%1\" alias bgm").arg(tune).toStdString());
    audio->sendCommand("play bgm");
    EXPECT_TRUE(waitFor([&] { return audio->sendCommand("status bgm mode") != "playing"; }));
    audio.reset();
    qunsetenv(SdlAudio::kSoundFontVariable);

    EXPECT_LE(loudestSample(output), kAudibleLevel);
    EXPECT_EQ(SdlAudio::soundFont(), SdlAudio::kDefaultSoundFont);
}

TEST_F(SdlAudioTest, WavSoundEffectIsHeard)
{
    const QString beep = media.wav(QStringLiteral("beep.wav"), 500, 440.0);
    auto audio = std::make_unique<SdlAudio>();

    audio->playSound(beep.toStdString());
    EXPECT_TRUE(waitFor([&] { return QFileInfo(output).size() > kOneSecondOfOutput; }));
    audio.reset();

    EXPECT_GT(loudestSample(output), kAudibleLevel);
}

TEST_F(SdlAudioTest, MusicOfAnotherTypeOpensNothingAndIsNeverReportedStopped)
{
    const QString video =
        media.bytes(QStringLiteral("clip.mid"), QByteArray("RIFF\0\0\0\0AVI ", 12));
    SdlAudio audio;

    audio.sendCommand(QStringLiteral("open \"%1\" alias bgm").arg(video).toStdString());
    audio.sendCommand("play bgm");

    EXPECT_EQ(audio.sendCommand("status bgm mode"), "");
}

TEST_F(SdlAudioTest, WavMusicIsLoadedByItsBytesWhateverItsName)
{
    const QString wave = media.wav(QStringLiteral("music.mid"), 200, 330.0);
    SdlAudio audio;

    audio.sendCommand(QStringLiteral("open \"%1\" alias bgm").arg(wave).toStdString());
    EXPECT_EQ(audio.sendCommand("status bgm mode"), "stopped");
    audio.sendCommand("play bgm");
    EXPECT_EQ(audio.sendCommand("status bgm mode"), "playing");
    audio.sendCommand("seek bgm to start");
    EXPECT_EQ(audio.sendCommand("status bgm mode"), "stopped");
    audio.sendCommand("close bgm");
    EXPECT_EQ(audio.sendCommand("status bgm mode"), "");
}

TEST_F(SdlAudioTest, ResolverSuppliesTheBytes)
{
    const QByteArray wave = WavTone::bytes(200, 440.0);
    SdlAudio audio([&wave](const std::string& key) -> std::optional<std::string_view> {
        if (key != "bgm.wav") {
            return std::nullopt;
        }
        return std::string_view(wave.constData(), static_cast<std::size_t>(wave.size()));
    });

    audio.sendCommand("open \"bgm.wav\" alias bgm");
    EXPECT_EQ(audio.sendCommand("status bgm mode"), "stopped");
    audio.sendCommand("open \"other.wav\" alias bgm");
    EXPECT_EQ(audio.sendCommand("status bgm mode"), "");
}

TEST_F(SdlAudioTest, WithoutAnAudioDeviceEverythingIsSilent)
{
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    const QString tune = media.midi(QStringLiteral("tune.mid"));
    SdlAudio audio;

    audio.sendCommand(QStringLiteral("open \"%1\" alias bgm").arg(tune).toStdString());
    audio.sendCommand("play bgm");
    audio.playSound(media.wav(QStringLiteral("beep.wav")).toStdString());
    audio.purgeSounds();

    EXPECT_EQ(audio.sendCommand("status bgm mode"), "");
}

TEST(AudioFileTypeTest, TypeComesFromTheMagicBytes)
{
    EXPECT_EQ(AudioFileType::of(QByteArray("MThd\0\0\0\6", 8)), AudioFileType::Kind::Midi);
    EXPECT_EQ(AudioFileType::of(QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16)),
              AudioFileType::Kind::Wave);
    EXPECT_EQ(AudioFileType::of(QByteArray("RIFF\x10\0\0\0AVI ", 12)),
              AudioFileType::Kind::Unknown);
    EXPECT_EQ(AudioFileType::of(QByteArray("RIFF")), AudioFileType::Kind::Unknown);
    EXPECT_EQ(AudioFileType::of(QByteArray("ID3\3")), AudioFileType::Kind::Unknown);
    EXPECT_EQ(AudioFileType::of(QByteArray()), AudioFileType::Kind::Unknown);
}

// Runs `body` in a child process whose address space may grow by at most `extra` bytes beyond
// what it already has (sanitizers reserve much up front), so a fault cannot take the machine
// down. True when the body returned true.
template <typename Body>
bool withinMemoryBound(qint64 extra, Body body)
{
    const pid_t child = fork();
    if (child < 0) {
        return false;
    }
    if (child == 0) {
        QFile statm(QStringLiteral("/proc/self/statm"));
        if (!statm.open(QIODevice::ReadOnly)) {
            _exit(3);
        }
        const qint64 pages = statm.readAll().split(' ').value(0).toLongLong();
        const rlim_t limit = rlim_t(pages * sysconf(_SC_PAGESIZE) + extra);
        const rlimit bound{limit, limit};
        setrlimit(RLIMIT_AS, &bound);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(SdlAudioTest, EndlessOrHugeFilesAreNotPlayedAndCostNoMemory)
{
    constexpr qint64 kBound = qint64(128) << 20;
    const QString huge =
        media.bytes(QStringLiteral("huge.wav"), QByteArray("RIFF\0\0\0\0WAVE", 12));
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.resize(Audio::kMaxFileBytes + 1));
    }
    const QString fifo = dir.filePath(QStringLiteral("fifo.mid"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& music :
         {QStringLiteral("/dev/zero"), QStringLiteral("/dev/urandom"), huge, fifo}) {
        EXPECT_TRUE(withinMemoryBound(kBound, [&] {
            SdlAudio audio;
            audio.sendCommand(QStringLiteral("open \"%1\" alias bgm").arg(music).toStdString());
            audio.sendCommand("play bgm");
            audio.playSound(music.toStdString());
            return audio.sendCommand("status bgm mode").empty();
        })) << music.toStdString();
    }
}

}  // namespace
