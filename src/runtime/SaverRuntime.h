#pragma once

#include "platform/StopSignals.h"
#include "runtime/RuntimeOptions.h"
#include "runtime/SaverFile.h"

#include <QByteArrayView>
#include <QElapsedTimer>
#include <QString>

// The saver program: opens its own file and plays the show, shows the settings or prints the
// package summary, as the options ask. The show plays with the preview's player and effects;
// a stop signal (followed through `stop`) ends the show, the settings or the start at the first
// point it can. run() gives the exit status: 0 when done or stopped, 2 when the file holds no
// usable show (the reason goes to stderr).
class SaverRuntime {
public:
    static constexpr int kRefused = 2;
    static inline const QString kNoSettings = QStringLiteral("設定できる項目はありません。");

    // `started` runs from the program's start (for --log).
    SaverRuntime(RuntimeOptions options, QString ownPath, QByteArrayView defaultIcon,
                 QElapsedTimer started, StopSignals::Handle stop = {});

    int run();

private:
    int check();
    int settings();
    int play();
    QString saverFileName() const;
    bool stopAsked() const;

    RuntimeOptions options_;
    QString ownPath_;
    QByteArrayView defaultIcon_;
    QElapsedTimer started_;
    StopSignals::Handle stop_;
    SaverFile saver_;
};
