#pragma once

#include "platform/StopSignals.h"
#include "runtime/RuntimeOptions.h"
#include "runtime/SaverFile.h"
#include "runtime/SaverTexts.h"

#include <QByteArrayView>
#include <QElapsedTimer>
#include <QString>

#include <optional>

class X11HostWindow;

// The saver program: opens its own file and plays the show, shows the settings or prints the
// package summary, as the options ask. The show plays with the preview's player and effects;
// a stop signal (followed through `stop`) ends the show, the settings or the start at the first
// point it can. In a host's window (RuntimeOptions) it plays until the window is gone, without
// sound when the window is smaller than a screen (a preview). run() gives the exit status: 0 when
// done or stopped, 2 when the file holds no usable show or the host's window cannot be used (the
// reason goes to stderr).
class SaverRuntime {
public:
    static constexpr int kRefused = 2;
    static inline const QString kNoSettings = QString::fromUtf8(SaverTexts::kNoSettings);

    // `started` runs from the program's start (for --log).
    SaverRuntime(RuntimeOptions options, QString ownPath, QByteArrayView defaultIcon,
                 QElapsedTimer started, StopSignals::Handle stop = {});

    int run();

    // What is answered before any window system starts: a refused command line (the reason and
    // the usage) and a missing display, each on stderr with status 2. Nothing when the saver
    // can go on. `program` is the name it was started by.
    static std::optional<int> answerEarly(const RuntimeOptions& options, const QString& program);

private:
    int check();
    int settings();
    int version();
    int play();
    QString saverFileName() const;
    bool stopAsked() const;
    // Whether the host is as large as a monitor or the whole screen, not a preview pane.
    static bool coversAScreen(const X11HostWindow& host);

    RuntimeOptions options_;
    QString ownPath_;
    QByteArrayView defaultIcon_;
    QElapsedTimer started_;
    StopSignals::Handle stop_;
    SaverFile saver_;
};
