#include "runtime/windows/MciAudio.h"

#include "runtime/windows/WideText.h"

#include <windows.h>

#include <mmsystem.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kReplyLength = 256;
constexpr char kOpenPrefix[] = "open \"";
constexpr char kOpenSuffix[] = "\" alias bgm";
constexpr char kCloseCommand[] = "close bgm";
constexpr char kMidiMagic[] = "MThd";
constexpr char kRiffMagic[] = "RIFF";
constexpr char kWaveMagic[] = "WAVE";
constexpr std::size_t kMagicSize = 4;
constexpr std::size_t kWaveMagicOffset = 8;

enum class Kind { Midi, Wave, Unknown };

bool startsWith(std::string_view bytes, std::size_t at, const char* magic)
{
    return bytes.size() >= at + kMagicSize &&
           std::memcmp(bytes.data() + at, magic, kMagicSize) == 0;
}

Kind kindOf(std::string_view bytes)
{
    if (startsWith(bytes, 0, kMidiMagic)) {
        return Kind::Midi;
    }
    if (startsWith(bytes, 0, kRiffMagic) && startsWith(bytes, kWaveMagicOffset, kWaveMagic)) {
        return Kind::Wave;
    }
    return Kind::Unknown;
}

}  // namespace

MciAudio::MciAudio(Resolver bytes) : bytes_(std::move(bytes)) {}

MciAudio::~MciAudio()
{
    purgeSounds();
    if (musicOpen_) {
        send(WideText::fromUtf8(kCloseCommand));
    }
}

std::optional<std::string_view> MciAudio::playable(const std::string& key) const
{
    const auto found = bytes_ ? bytes_(key) : std::nullopt;
    if (!found || found->size() > std::uint64_t(Audio::kMaxFileBytes)) {
        return std::nullopt;
    }
    return found;
}

std::string MciAudio::sendCommand(const std::string& command)
{
    const std::size_t prefix = std::strlen(kOpenPrefix);
    const std::size_t suffix = std::strlen(kOpenSuffix);
    if (command.size() > prefix + suffix && command.starts_with(kOpenPrefix) &&
        command.ends_with(kOpenSuffix)) {
        return openMusic(command.substr(prefix, command.size() - prefix - suffix));
    }
    if (!musicOpen_) {
        return {};
    }
    const std::string reply = send(WideText::fromUtf8(command));
    if (command == kCloseCommand) {
        musicOpen_ = false;
    }
    return reply;
}

std::string MciAudio::openMusic(const std::string& key)
{
    if (musicOpen_) {
        send(WideText::fromUtf8(kCloseCommand));
        musicOpen_ = false;
    }
    const auto bytes = playable(key);
    if (!bytes) {
        return {};
    }
    const Kind kind = kindOf(*bytes);
    if (kind == Kind::Unknown) {
        return {};
    }
    const std::wstring path = folder_.write(kind == Kind::Midi ? L"bgm.mid" : L"bgm.wav", *bytes);
    if (path.empty()) {
        return {};
    }
    const std::wstring type = kind == Kind::Midi ? L"sequencer" : L"waveaudio";
    const std::wstring open = L"open \"" + path + L"\" type " + type + L" alias bgm";
    musicOpen_ = mciSendStringW(open.c_str(), nullptr, 0, nullptr) == 0;
    return {};
}

std::string MciAudio::send(const std::wstring& command)
{
    wchar_t reply[kReplyLength] = {};
    mciSendStringW(command.c_str(), reply, kReplyLength, nullptr);
    reply[kReplyLength - 1] = L'\0';
    return WideText::toUtf8(reply);
}

void MciAudio::playSound(const std::string& key)
{
    const auto bytes = playable(key);
    if (!bytes || kindOf(*bytes) != Kind::Wave) {
        return;
    }
    PlaySoundW(reinterpret_cast<LPCWSTR>(bytes->data()), nullptr,
               SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

void MciAudio::purgeSounds()
{
    PlaySoundW(nullptr, nullptr, 0);
}
