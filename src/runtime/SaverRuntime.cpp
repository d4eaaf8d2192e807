#include "SaverRuntime.h"

#include "platform/EventLoopTicker.h"
#include "platform/SdlAudio.h"
#include "platform/TerminationWatcher.h"
#include "player/PlayerWindow.h"
#include "player/ShowLoop.h"
#include "runtime/PackageShowSource.h"
#include "runtime/PackageSummary.h"
#include "runtime/PlayLog.h"
#include "runtime/SettingsDialog.h"
#include "runtime/SoundSettings.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QMessageBox>
#include <QTextStream>

#include <cstdio>
#include <utility>

SaverRuntime::SaverRuntime(RuntimeOptions options, QString ownPath, QByteArrayView defaultIcon,
                           QElapsedTimer started, StopSignals::Handle stop)
    : options_(std::move(options)),
      ownPath_(std::move(ownPath)),
      defaultIcon_(defaultIcon),
      started_(started),
      stop_(stop)
{}

int SaverRuntime::run()
{
    if (stopAsked()) {
        return 0;
    }
    if (const Status opened = saver_.open(ownPath_, defaultIcon_); !opened) {
        QTextStream(stderr) << opened.error() << '\n';
        return kRefused;
    }
    switch (options_.mode) {
        case RuntimeOptions::Mode::Check:
            return check();
        case RuntimeOptions::Mode::Settings:
            return settings();
        case RuntimeOptions::Mode::Play:
            break;
    }
    return play();
}

bool SaverRuntime::stopAsked() const
{
    return stop_.asked != nullptr && stop_.asked->load();
}

QString SaverRuntime::saverFileName() const
{
    return QFileInfo(ownPath_).fileName();
}

int SaverRuntime::check()
{
    const QJsonObject summary =
        PackageSummary::make(saver_.package(), saver_.identity(), saver_.size());
    QTextStream(stdout) << QJsonDocument(summary).toJson(QJsonDocument::Indented);
    return 0;
}

int SaverRuntime::settings()
{
    const QString title = saver_.identity().title;
    if (saver_.package().SoundSwitchable != 1) {
        QMessageBox box(QMessageBox::Information, title, kNoSettings);
        box.setWindowIcon(QPixmap::fromImage(saver_.identity().icon));
        const TerminationWatcher watcher(stop_, [&box] { box.reject(); });
        if (!stopAsked()) {
            box.exec();
        }
        return 0;
    }
    SoundSettings stored(saverFileName());
    SettingsDialog dialog(title, stored.load());
    dialog.setWindowIcon(QPixmap::fromImage(saver_.identity().icon));
    // A stop closes the settings as the cancel button would: nothing is stored.
    const TerminationWatcher watcher(stop_, [&dialog] { dialog.reject(); });
    if (!stopAsked() && dialog.exec() == QDialog::Accepted && !stopAsked()) {
        stored.save(dialog.choice());
    }
    return 0;
}

int SaverRuntime::play()
{
    const PackageView& package = saver_.package();
    const SoundChoice choice =
        package.SoundSwitchable == 1 ? SoundSettings(saverFileName()).load() : SoundChoice{};
    const PackageShowSource source(package, choice);
    SdlAudio audio(source.resolver());
    EventLoopTicker ticker;
    ProgramState state;
    state.followOutsideStop(stop_.asked);
    const TerminationWatcher watcher(stop_, [&ticker] { ticker.wake(); });

    PlayerWindow::Options options;
    options.hostWindow = options_.windowId.value_or(0);
    options.ignoreInput = options_.windowId.has_value();
    options.title = saver_.identity().title;
    options.icon = QIcon(QPixmap::fromImage(saver_.identity().icon));
    PlayerWindow window(state, options, [&ticker] { ticker.wake(); });
    PlayLog playLog(options_.log ? &started_ : nullptr);
    ShowLoop loop(source, audio, ticker, state, window, playLog);
    loop.run();
    return 0;
}
