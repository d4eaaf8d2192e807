#include "platform/SdlAudio.h"

#include "document/SourceFile.h"
#include "platform/AudioFileType.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <SDL.h>

namespace {

constexpr int kSampleRate = MIX_DEFAULT_FREQUENCY;
constexpr int kOutputChannels = MIX_DEFAULT_CHANNELS;
constexpr int kChunkFrames = 2048;
constexpr int kSoundChannel = 0;  // the one sound-effect channel
constexpr int kPlayOnce = 0;
constexpr int kFreeSource = 1;

const std::string kPlaying = "playing";
const std::string kStopped = "stopped";

}  // namespace

SdlAudio::SdlAudio(Resolver resolver) : resolver_(std::move(resolver)) {}

SdlAudio::~SdlAudio()
{
    if (device_ != Device::Open) {
        return;
    }
    purgeSounds();
    closeMusic();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

QString SdlAudio::soundFont()
{
    const QString chosen = qEnvironmentVariable(kSoundFontVariable);
    if (!chosen.isEmpty()) {
        return chosen;
    }
    return QFileInfo::exists(kDefaultSoundFont) ? kDefaultSoundFont : kFallbackSoundFont;
}

std::string SdlAudio::sendCommand(const std::string& utf8)
{
    static const QRegularExpression openCommand(QStringLiteral("^open \"(.*)\" alias bgm$"));
    const QString command = QString::fromStdString(utf8);
    if (const auto match = openCommand.match(command); match.hasMatch()) {
        openMusic(match.captured(1));
        return {};
    }
    if (music_ == nullptr) {
        return {};
    }
    if (command == QLatin1String("play bgm")) {
        Mix_PlayMusic(music_, kPlayOnce);
    } else if (command == QLatin1String("status bgm mode")) {
        return Mix_PlayingMusic() != 0 ? kPlaying : kStopped;
    } else if (command == QLatin1String("seek bgm to start")) {
        // Like the MCI seek: playback stops; the next play starts from the beginning.
        Mix_HaltMusic();
    } else if (command == QLatin1String("close bgm")) {
        closeMusic();
    }
    return {};
}

void SdlAudio::playSound(const std::string& key)
{
    const auto bytes = bytesOf(QString::fromStdString(key));
    if (!bytes || AudioFileType::of(*bytes) != AudioFileType::Kind::Wave || !deviceReady()) {
        return;
    }
    Mix_Chunk* chunk = Mix_LoadWAV_RW(
        SDL_RWFromConstMem(bytes->constData(), static_cast<int>(bytes->size())), kFreeSource);
    if (chunk == nullptr) {
        return;
    }
    purgeSounds();
    sound_ = chunk;
    Mix_PlayChannel(kSoundChannel, sound_, kPlayOnce);
}

void SdlAudio::purgeSounds()
{
    if (sound_ == nullptr) {
        return;
    }
    Mix_HaltChannel(kSoundChannel);
    Mix_FreeChunk(sound_);
    sound_ = nullptr;
}

bool SdlAudio::deviceReady()
{
    if (device_ == Device::Closed) {
        device_ = Device::Failed;
        // SDL's own SIGINT and SIGTERM handlers would only queue a quit event nobody reads; the
        // program handles its stop signals itself.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            return false;
        }
        if (Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, kOutputChannels, kChunkFrames) != 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        Mix_Init(MIX_INIT_MID);
        Mix_SetSoundFonts(QFile::encodeName(soundFont()).constData());
        device_ = Device::Open;
    }
    return device_ == Device::Open;
}

void SdlAudio::openMusic(const QString& path)
{
    closeMusic();
    auto bytes = bytesOf(path);
    if (!bytes) {
        return;
    }
    const AudioFileType::Kind kind = AudioFileType::of(*bytes);
    if (kind == AudioFileType::Kind::Unknown || !deviceReady()) {
        return;
    }
    musicBytes_ = std::move(*bytes);
    SDL_RWops* source =
        SDL_RWFromConstMem(musicBytes_.constData(), static_cast<int>(musicBytes_.size()));
    music_ = Mix_LoadMUSType_RW(source, kind == AudioFileType::Kind::Midi ? MUS_MID : MUS_WAV,
                                kFreeSource);
    if (music_ == nullptr) {
        musicBytes_.clear();
    }
}

void SdlAudio::closeMusic()
{
    if (music_ != nullptr) {
        Mix_HaltMusic();
        Mix_FreeMusic(music_);
        music_ = nullptr;
    }
    musicBytes_.clear();
}

std::optional<QByteArray> SdlAudio::bytesOf(const QString& path) const
{
    std::optional<QByteArray> bytes;
    if (resolver_) {
        // The resolver's bytes outlive the audio: they are used where they are.
        if (const std::optional<std::string_view> found = resolver_(path.toStdString())) {
            bytes = QByteArray::fromRawData(found->data(), static_cast<qsizetype>(found->size()));
        }
    } else if (Expected<QByteArray> file = SourceFile::read(path, kMaxFileBytes)) {
        bytes = std::move(file.value());
    }
    if (bytes && bytes->size() > kMaxFileBytes) {
        bytes.reset();
    }
    return bytes;
}
