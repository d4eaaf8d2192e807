// kremoa-probe: reads back, under Windows or Wine, what a built screen saver carries and shows.
//
//   kremoa-probe version FILE                 the ten version strings, "Key=Value" per line
//   kremoa-probe icon FILE                    the first icon's size and pixels
//   kremoa-probe host W H [--timeout MS] [--hold MS] [--bmp FILE] -- SAVER [ARGS...]
//                                             the saver previewed in a W x H child window
//   kremoa-probe capture X Y W H FILE.bmp     a rectangle of the screen
//
// Exit status 0 when the command could be carried out, 1 when not, 2 for a wrong command line.
#include "HostCommand.h"
#include "IconCommand.h"
#include "PixelGrid.h"
#include "ProbeText.h"
#include "VersionCommand.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultHostTimeoutMs = 20000;
constexpr int kDefaultHostHoldMs = 500;

std::optional<int> number(const std::wstring& text)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of(L"0123456789") != text.npos) {
        return std::nullopt;
    }
    return std::stoi(text);
}

int usage()
{
    ProbeText::err(
        "usage: kremoa-probe version FILE | icon FILE | host W H [--timeout MS] "
        "[--bmp FILE] -- SAVER [ARGS...] | capture X Y W H FILE.bmp\n");
    return 2;
}

int host(const std::vector<std::wstring>& args)
{
    const std::optional<int> width = args.size() > 2 ? number(args[1]) : std::nullopt;
    const std::optional<int> height = args.size() > 2 ? number(args[2]) : std::nullopt;
    if (!width || !height || *width == 0 || *height == 0) {
        return usage();
    }
    HostRequest request;
    request.width = *width;
    request.height = *height;
    request.timeoutMs = kDefaultHostTimeoutMs;
    request.holdMs = kDefaultHostHoldMs;
    std::size_t i = 3;
    for (; i < args.size() && args[i] != L"--"; i += 2) {
        if (i + 1 >= args.size()) {
            return usage();
        }
        if (args[i] == L"--timeout" && number(args[i + 1])) {
            request.timeoutMs = *number(args[i + 1]);
        } else if (args[i] == L"--hold" && number(args[i + 1])) {
            request.holdMs = *number(args[i + 1]);
        } else if (args[i] == L"--bmp") {
            request.bmpPath = args[i + 1];
        } else {
            return usage();
        }
    }
    if (i + 1 >= args.size()) {
        return usage();
    }
    request.saver = args[i + 1];
    request.saverArguments.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 2, args.end());
    return hostCommand(request);
}

int capture(const std::vector<std::wstring>& args)
{
    if (args.size() != 6) {
        return usage();
    }
    const std::optional<int> x = number(args[1]);
    const std::optional<int> y = number(args[2]);
    const std::optional<int> width = number(args[3]);
    const std::optional<int> height = number(args[4]);
    if (!x || !y || !width || !height || *width == 0 || *height == 0) {
        return usage();
    }
    const PixelGrid grid = PixelGrid::fromScreen(*x, *y, *width, *height);
    if (grid.pixels.empty() || !grid.saveBmp(args[5])) {
        ProbeText::err("the screen cannot be captured\n");
        return 1;
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::vector<std::wstring> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == L"version") {
        return versionCommand(args[1]);
    }
    if (args.size() == 2 && args[0] == L"icon") {
        return iconCommand(args[1]);
    }
    if (!args.empty() && args[0] == L"host") {
        return host(args);
    }
    if (!args.empty() && args[0] == L"capture") {
        return capture(args);
    }
    return usage();
}
