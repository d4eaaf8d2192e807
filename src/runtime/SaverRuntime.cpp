#include "SaverRuntime.h"

#include "document/ProgramVersion.h"
#include "platform/DisplayCheck.h"
#include "platform/EventLoopTicker.h"
#include "platform/SdlAudio.h"
#include "platform/TerminationWatcher.h"
#include "platform/X11HostStage.h"
#include "platform/X11HostWindow.h"
#include "player/ImageCanvasFactory.h"
#include "player/ImageDecoder.h"
#include "player/PlayerWindow.h"
#include "player/ScreenLayout.h"
#include "player/ShowLoop.h"
#include "runtime/PackageShowSource.h"
#include "runtime/PackageSummary.h"
#include "runtime/PlayLog.h"
#include "runtime/SettingsDialog.h"
#include "runtime/SoundSettings.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <utility>

SaverRuntime::SaverRuntime(RuntimeOptions options, QString ownPath, QByteArrayView defaultIcon,
                           QElapsedTimer started, StopSignals::Handle stop)
    : options_(std::move(options)),
      ownPath_(std::move(ownPath)),
      defaultIcon_(defaultIcon),
      started_(started),
      stop_(stop)
{}

std::optional<int> SaverRuntime::answerEarly(const RuntimeOptions& options, const QString& program)
{
    QTextStream err(stderr);
    if (options.mode == RuntimeOptions::Mode::Refused) {
        err << options.refusal << '\n' << RuntimeOptions::usage(QFileInfo(program).fileName());
        return kRefused;
    }
    if (options.needsDisplay()) {
        if (const std::optional<QString> problem = DisplayCheck::problem(options.hasHostWindow())) {
            err << *problem << '\n';
            return kRefused;
        }
    }
    return std::nullopt;
}

int SaverRuntime::run()
{
    if (stopAsked()) {
        return 0;
    }
    if (options_.mode == RuntimeOptions::Mode::Help) {
        QTextStream(stdout) << RuntimeOptions::help(saverFileName());
        return 0;
    }
    if (options_.mode == RuntimeOptions::Mode::Version) {
        return version();
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
        case RuntimeOptions::Mode::Help:
        case RuntimeOptions::Mode::Version:
        case RuntimeOptions::Mode::Refused:
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
    const SaverIdentity& identity = saver_.identity();
    const std::string summary = PackageSummary::text(
        saver_.package(),
        {identity.title.toStdString(), identity.version.toStdString(), identity.icon.width()},
        saver_.size());
    std::fwrite(summary.data(), 1, summary.size(), stdout);
    std::fflush(stdout);
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

int SaverRuntime::version()
{
    QTextStream out(stdout);
    out << ProgramVersion::line(saverFileName()) << '\n';
    // The show's own title and version, as the builder wrote them, when the file holds one.
    if (saver_.open(ownPath_, defaultIcon_)) {
        out << saver_.identity().title << ' ' << saver_.identity().version << '\n';
    }
    return 0;
}

int SaverRuntime::play()
{
    const PackageView& package = saver_.package();
    std::unique_ptr<X11HostWindow> host;
    if (options_.hasHostWindow()) {
        host = std::make_unique<X11HostWindow>(quint32(options_.windowId.value_or(0)));
        if (!host->open()) {
            QTextStream(stderr) << host->error() << '\n';
            return kRefused;
        }
    }
    SoundChoice choice =
        package.SoundSwitchable == 1 ? SoundSettings(saverFileName()).load() : SoundChoice{};
    if (host && !coversAScreen(*host)) {
        // A preview pane: the settings window it sits in is no place for music.
        choice = SoundChoice{false, false};
    }
    const PackageShowSource source(package, choice, &ImageDecoder::decodePicture);
    SdlAudio audio(source.resolver());
    EventLoopTicker ticker;
    ProgramState state;
    state.followOutsideStop(stop_.asked);
    const auto stop = [&state, &ticker] {
        state.requestStop();
        ticker.wake();
    };
    const TerminationWatcher watcher(stop_, [&ticker] { ticker.wake(); });
    PlayLog playLog(options_.log ? PlayLog::Elapsed([this] { return started_.elapsed(); })
                                 : PlayLog::Elapsed());
    ImageCanvasFactory canvases;

    if (host) {
        host->onDestroyed(stop);
        X11HostStage stage(*host);
        ShowLoop(source, audio, ticker, state, stage, playLog, canvases).run();
        return 0;
    }
    PlayerWindow::Options options;
    options.title = saver_.identity().title;
    options.icon = QIcon(QPixmap::fromImage(saver_.identity().icon));
    PlayerWindow window(state, options, [&ticker] { ticker.wake(); });
    ShowLoop(source, audio, ticker, state, window, playLog, canvases).run();
    return 0;
}

bool SaverRuntime::coversAScreen(const X11HostWindow& host)
{
    const QSize size = host.size();
    const QSize screen = host.screenSize();
    return ScreenLayout::current().coversAScreen(size) ||
           (size.width() >= screen.width() && size.height() >= screen.height());
}
