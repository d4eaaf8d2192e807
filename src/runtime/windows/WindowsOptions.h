#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the Windows saver was started to do, from its command line (options in either case,
// with "/" or "-"):
//   /s                      play the show full-screen
//   /p HWND, /p:HWND        play inside that window (a preview pane), silently
//   /c, /c:HWND, nothing    the settings (owned by HWND when given)
//   --check                 print a summary of the package and exit
//   --trace ARGS...         print the drawing of one transition, as kremoa-cli trace does
//   --log                   with /s or /p: tell on stderr when frames are shown
//   --version               print the version
// Anything else is refused (mode Refused, `refusal` says why) before anything is shown.
struct WindowsOptions {
    enum class Mode { Play, Preview, Settings, Check, Trace, Version, Refused };

    Mode mode = Mode::Settings;
    std::uintptr_t window = 0;  // Preview: the host; Settings: the owner, or 0
    bool log = false;
    std::vector<std::string> traceArguments;  // everything after --trace
    std::string refusal;

    // `arguments` without the program's name, UTF-8.
    static WindowsOptions parse(const std::vector<std::string>& arguments);
    // Decimal, or hexadecimal after 0x; nothing for 0 and anything else.
    static bool parseWindow(const std::string& text, std::uintptr_t& window);
    static std::string usage(const std::string& program);

    static inline const std::string kUnknownOption = "知らないオプションです: ";
    static inline const std::string kBadWindowId =
        "ウィンドウ ID が正しくありません (10 進数か 0x で始まる 16 進数): ";
    static inline const std::string kMissingWindowId = "ウィンドウ ID がありません: ";
};
