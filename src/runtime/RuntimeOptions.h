#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// What the saver was started to do, from its command line and environment:
//   /s -s or nothing          play the show full-screen
//   /c -c (also /c:HANDLE)    the settings dialog
//   -window-id ID, /p ID, or XSCREENSAVER_WINDOW=ID
//                             play inside that window (decimal or 0x-hex), ignoring input
//   --check                   print a summary of the package and exit
//   --log                     tell on stderr when the first frame and each transition are shown
// Options of screen-saver hosts that the saver has no use for (-root, -nice...) are ignored.
struct RuntimeOptions {
    enum class Mode { Play, Settings, Check };

    Mode mode = Mode::Play;
    std::optional<quintptr> windowId;
    bool log = false;

    static RuntimeOptions parse(const QStringList& arguments, const QString& hostWindow);
    static std::optional<quintptr> parseWindowId(const QString& text);
};
