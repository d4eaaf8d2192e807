#include "runtime/windows/WindowsOptions.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

constexpr int kDecimalBase = 10;
constexpr int kHexBase = 16;
constexpr std::size_t kLetterOptionLength = 2;  // "/s"

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// "/x" or "-x" in either case; `rest` receives what follows the letter ("" or ":...").
bool isLetterOption(const std::string& argument, char letter, std::string& rest)
{
    if (argument.size() < kLetterOptionLength || (argument[0] != '/' && argument[0] != '-') ||
        std::tolower(static_cast<unsigned char>(argument[1])) != letter) {
        return false;
    }
    rest = argument.substr(kLetterOptionLength);
    return rest.empty() || rest[0] == ':';
}

WindowsOptions refused(const std::string& why)
{
    WindowsOptions options;
    options.mode = WindowsOptions::Mode::Refused;
    options.refusal = why;
    return options;
}

}  // namespace

bool WindowsOptions::parseWindow(const std::string& text, std::uintptr_t& window)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* first = text.data() + (hex ? 2 : 0);
    const char* last = text.data() + text.size();
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value, hex ? kHexBase : kDecimalBase);
    if (error != std::errc() || end != last || first == last || value == 0 || value > UINTPTR_MAX) {
        return false;
    }
    window = std::uintptr_t(value);
    return true;
}

WindowsOptions WindowsOptions::parse(const std::vector<std::string>& arguments)
{
    WindowsOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const std::string folded = lower(argument);
        std::string rest;
        if (folded == "--trace") {
            options.mode = Mode::Trace;
            options.traceArguments.assign(arguments.begin() + std::ptrdiff_t(i) + 1,
                                          arguments.end());
            return options;
        }
        if (folded == "--version") {
            options.mode = Mode::Version;
            return options;
        }
        if (folded == "--check") {
            options.mode = Mode::Check;
        } else if (folded == "--log") {
            options.log = true;
        } else if (isLetterOption(argument, 's', rest) && rest.empty()) {
            options.mode = Mode::Play;
        } else if (isLetterOption(argument, 'c', rest)) {
            options.mode = Mode::Settings;
            options.window = 0;
            // Windows names the owner of the settings after a colon; one that cannot be read
            // leaves the settings unowned rather than refusing them.
            if (!rest.empty() && !parseWindow(rest.substr(1), options.window)) {
                options.window = 0;
            }
        } else if (isLetterOption(argument, 'p', rest)) {
            std::string id;
            if (!rest.empty()) {
                id = rest.substr(1);
            } else if (i + 1 < arguments.size()) {
                id = arguments[++i];
            } else {
                return refused(kMissingWindowId + argument);
            }
            if (!parseWindow(id, options.window)) {
                return refused(kBadWindowId + id);
            }
            options.mode = Mode::Preview;
        } else {
            return refused(kUnknownOption + argument);
        }
    }
    return options;
}

std::string WindowsOptions::usage(const std::string& program)
{
    return "使い方: " + program +
           " [/s | /c | /p HWND | --check | --trace --effect N --width W --height H"
           " [--speed S] [--stop-at-frame F] | --version] [--log]\n";
}
