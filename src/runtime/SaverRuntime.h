#pragma once

#include "runtime/RuntimeOptions.h"
#include "runtime/SaverFile.h"

#include <QByteArrayView>
#include <QElapsedTimer>
#include <QString>

// The saver program: opens its own file and plays the show, shows the settings or prints the
// package summary, as the options ask. The show plays with the preview's player and effects;
// SIGTERM, SIGINT and SIGHUP stop it like a key press would. run() gives the exit status: 0 when
// done, 2 when the file holds no usable show (the reason goes to stderr).
class SaverRuntime {
public:
    static constexpr int kRefused = 2;
    static inline const QString kNoSettings = QStringLiteral("設定できる項目はありません。");

    // `started` runs from the program's start (for --log).
    SaverRuntime(RuntimeOptions options, QString ownPath, QByteArrayView defaultIcon,
                 QElapsedTimer started);

    int run();

private:
    int check();
    int settings();
    int play();
    QString saverFileName() const;

    RuntimeOptions options_;
    QString ownPath_;
    QByteArrayView defaultIcon_;
    QElapsedTimer started_;
    SaverFile saver_;
};
