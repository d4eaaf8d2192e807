#pragma once

#include "document/PackageReader.h"
#include "runtime/windows/MessageTicker.h"
#include "runtime/windows/OwnProgramFile.h"
#include "runtime/windows/OwnVersionTexts.h"
#include "runtime/windows/WindowsOptions.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

// The Windows saver program: opens its own file and plays the show full screen or in a preview
// pane, shows the settings, prints the package summary or a transition's trace, as the options
// ask. run() gives the exit status: 0 when done (a show ended by input or by its host window's
// end), 2 for a refusal (bad option, no package or a broken one, a host window that is gone),
// whose reason goes to stderr, and in the modes with windows also into a message box.
class WindowsRuntime {
public:
    static constexpr int kRefused = 2;
    static inline const std::string kNoHostWindow = "ウィンドウがありません: ";
    static inline const std::string kProgramName = "クレモア";

    // `ticker` runs from the program's start; `started` is its first reading (for --log).
    WindowsRuntime(WindowsOptions options, MessageTicker& ticker, std::int64_t started);

    int run();

private:
    int refuse(const std::string& why);
    bool open();
    int check();
    int trace();
    int version();
    int settings();
    int play();
    std::wstring title() const;
    std::string fileName() const;

    WindowsOptions options_;
    MessageTicker& ticker_;
    std::int64_t started_;
    OwnProgramFile file_;
    OwnVersionTexts texts_;
    std::optional<PackageView> package_;
    HICON icon_ = nullptr;
};
