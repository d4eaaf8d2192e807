#include "runtime/windows/WindowsRuntime.h"

#include "effects/EffectTrace.h"
#include "effects/ProgramState.h"
#include "player/ShowLoop.h"
#include "runtime/PackageShowSource.h"
#include "runtime/PackageSummary.h"
#include "runtime/PlayLog.h"
#include "runtime/SaverTexts.h"
#include "runtime/windows/GdiCanvasFactory.h"
#include "runtime/windows/MciAudio.h"
#include "runtime/windows/SaverPackage.h"
#include "runtime/windows/SaverWindow.h"
#include "runtime/windows/SettingsWindow.h"
#include "runtime/windows/SoundRegistry.h"
#include "runtime/windows/StandardStream.h"
#include "runtime/windows/WicImageDecoder.h"
#include "runtime/windows/WideText.h"

#include <utility>

namespace {

constexpr int kIconResource = 1;
constexpr int kIconSize = 32;
constexpr int kMinorDigits = 2;

std::string versionText()
{
    std::string minor = std::to_string(KREMOA_VERSION_MINOR);
    minor.insert(0, std::size_t(std::max(0, kMinorDigits - int(minor.size()))), '0');
    return std::to_string(KREMOA_VERSION_MAJOR) + "." + minor;
}

int iconWidth(HICON icon)
{
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) {
        return 0;
    }
    BITMAP bitmap{};
    const HBITMAP shape = info.hbmColor != nullptr ? info.hbmColor : info.hbmMask;
    const int width = GetObjectW(shape, sizeof(bitmap), &bitmap) != 0 ? bitmap.bmWidth : 0;
    if (info.hbmColor != nullptr) {
        DeleteObject(info.hbmColor);
    }
    if (info.hbmMask != nullptr) {
        DeleteObject(info.hbmMask);
    }
    return width;
}

}  // namespace

WindowsRuntime::WindowsRuntime(WindowsOptions options, MessageTicker& ticker, std::int64_t started)
    : options_(std::move(options)), ticker_(ticker), started_(started)
{
    file_.locate();
    icon_ =
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource),
                                      IMAGE_ICON, kIconSize, kIconSize, LR_DEFAULTCOLOR));
}

int WindowsRuntime::run()
{
    switch (options_.mode) {
        case WindowsOptions::Mode::Refused:
            return refuse(options_.refusal + "\n" + WindowsOptions::usage(fileName()));
        case WindowsOptions::Mode::Trace:
            return trace();
        case WindowsOptions::Mode::Version:
            return version();
        default:
            break;
    }
    if (!open()) {
        return kRefused;
    }
    switch (options_.mode) {
        case WindowsOptions::Mode::Check:
            return check();
        case WindowsOptions::Mode::Settings:
            return settings();
        default:
            return play();
    }
}

std::string WindowsRuntime::fileName() const
{
    return WideText::toUtf8(file_.fileName());
}

std::wstring WindowsRuntime::title() const
{
    return texts_.title.empty() ? WideText::fromUtf8(kProgramName) : texts_.title;
}

int WindowsRuntime::refuse(const std::string& why)
{
    StandardStream::err(why.ends_with('\n') ? why : why + "\n");
    const bool windowed = options_.mode == WindowsOptions::Mode::Play ||
                          options_.mode == WindowsOptions::Mode::Settings;
    if (windowed) {
        const std::wstring text = WideText::fromUtf8(why);
        MessageBoxW(nullptr, text.c_str(), title().c_str(), MB_OK | MB_ICONWARNING);
    }
    return kRefused;
}

bool WindowsRuntime::open()
{
    if (!file_.read()) {
        refuse(file_.error());
        return false;
    }
    texts_ = OwnVersionTexts::read(file_.path());
    CoreExpected<PackageView> package = SaverPackage::read(file_.bytes());
    if (!package) {
        refuse(package.error());
        return false;
    }
    package_ = std::move(package).value();
    return true;
}

int WindowsRuntime::check()
{
    PackageSummary::Identity identity;
    identity.title = WideText::toUtf8(texts_.title);
    identity.version = WideText::toUtf8(texts_.version);
    identity.iconWidth = iconWidth(icon_);
    StandardStream::out(
        PackageSummary::text(*package_, identity, std::int64_t(file_.bytes().size())));
    return 0;
}

int WindowsRuntime::trace()
{
    const CoreExpected<EffectTrace::Request> request = EffectTrace::parse(options_.traceArguments);
    if (!request) {
        StandardStream::err("trace: " + request.error() + "\n");
        return kRefused;
    }
    StandardStream::out(EffectTrace::run(request.value()));
    return 0;
}

int WindowsRuntime::version()
{
    file_.read();
    std::string text = fileName() + " (" + kProgramName + ") " + versionText() + "\n";
    // The show's own title and version, as the builder wrote them, when the file holds one.
    if (SaverPackage::read(file_.bytes())) {
        texts_ = OwnVersionTexts::read(file_.path());
        text += WideText::toUtf8(texts_.title) + " " + WideText::toUtf8(texts_.version) + "\n";
    }
    StandardStream::out(text);
    return 0;
}

int WindowsRuntime::settings()
{
    const HWND owner = reinterpret_cast<HWND>(options_.window);
    if (package_->SoundSwitchable != 1) {
        const std::wstring text = WideText::fromUtf8(std::string(SaverTexts::kNoSettings));
        MessageBoxW(IsWindow(owner) ? owner : nullptr, text.c_str(), title().c_str(),
                    MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    const SoundRegistry stored(title());
    SettingsWindow window(title(), icon_, owner);
    if (const std::optional<SoundChoice> chosen = window.ask(stored.load())) {
        stored.save(*chosen);
    }
    return 0;
}

int WindowsRuntime::play()
{
    const bool preview = options_.mode == WindowsOptions::Mode::Preview;
    const HWND host = reinterpret_cast<HWND>(options_.window);
    if (preview && !IsWindow(host)) {
        return refuse(kNoHostWindow + std::to_string(options_.window));
    }
    SoundChoice choice =
        package_->SoundSwitchable == 1 ? SoundRegistry(title()).load() : SoundChoice{};
    if (preview) {
        // A preview pane sits in the settings of the display: no place for music.
        choice = SoundChoice{false, false};
    }
    const WicImageDecoder decoder;
    const PackageShowSource source(
        *package_, choice, [&decoder](std::string_view bytes) { return decoder.decode(bytes); });
    MciAudio audio(source.resolver());
    ProgramState state;
    GdiCanvasFactory canvases;
    SaverWindow window(state, canvases, preview ? host : nullptr, title(), icon_);
    if (!window.open()) {
        return refuse(kNoHostWindow + std::to_string(options_.window));
    }
    PlayLog log(options_.log ? PlayLog::Elapsed([this] { return ticker_.now() - started_; })
                             : PlayLog::Elapsed(),
                [](const std::string& line) { StandardStream::err(line); });
    ShowLoop(source, audio, ticker_, state, window, log, canvases).run();
    return 0;
}
