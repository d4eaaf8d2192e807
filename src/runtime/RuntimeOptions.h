#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// What the saver was started to do, from its command line and environment:
//   /s -s or nothing          play the show full-screen
//   /c -c (also /c:HANDLE)    the settings dialog
//   --window-id ID, -window-id ID, /p ID, -p ID, or XSCREENSAVER_WINDOW=ID
//                             play inside that window (decimal or 0x-hex), ignoring input
//   --root, -root             play inside XSCREENSAVER_WINDOW's window, else the root window
//   --check                   print a summary of the package and exit
//   --log                     tell on stderr when the first frame and each transition are shown
//   --help, --version         print to stdout and exit
// Anything else is refused (mode Refused, `refusal` says why) before anything is shown.
struct RuntimeOptions {
    enum class Mode { Play, Settings, Check, Help, Version, Refused };
    enum class Host { FullScreen, Window, RootWindow };

    Mode mode = Mode::Play;
    Host host = Host::FullScreen;
    std::optional<quintptr> windowId;  // set when host is Window
    bool log = false;
    QString refusal;

    static RuntimeOptions parse(const QStringList& arguments, const QString& hostWindow);
    static std::optional<quintptr> parseWindowId(const QString& text);

    // The text --help prints; `program` is the name the saver was started by.
    static QString help(const QString& program);
    // The short usage that follows a refusal on stderr.
    static QString usage(const QString& program);

    // Whether the mode shows windows (and so needs a display).
    bool needsDisplay() const { return mode == Mode::Play || mode == Mode::Settings; }
    // Whether the show goes into another program's window (an X11 host) rather than ours.
    bool hasHostWindow() const { return mode == Mode::Play && host != Host::FullScreen; }

    static inline const QString kUnknownOption = QStringLiteral("知らないオプションです: ");
    static inline const QString kBadWindowId =
        QStringLiteral("ウィンドウ ID が正しくありません (10 進数か 0x で始まる 16 進数): ");
    static inline const QString kMissingWindowId = QStringLiteral("ウィンドウ ID がありません: ");
};
