// The Qt part of the saver program, a shared library that the launcher (launcher/main.cpp)
// carries inside its own file and loads once the stop signals are handled.
#include "platform/StopSignals.h"
#include "runtime/RuntimeEntry.h"
#include "runtime/RuntimeOptions.h"
#include "runtime/SaverRuntime.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <memory>
#include <optional>

namespace {

constexpr const char* kHostWindowVariable = "XSCREENSAVER_WINDOW";

QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int kremoa_runtime_main(int argc, char** argv,
                                                                          const RuntimeStart* start)
{
    QElapsedTimer started;
    started.start();
    const RuntimeOptions options =
        RuntimeOptions::parse(argumentsOf(argc, argv), qEnvironmentVariable(kHostWindowVariable));
    std::unique_ptr<QCoreApplication> app;
    {
        // A stop arriving while the display is reached would make the connection fail (and Qt
        // abort); it is taken right after instead.
        const StopSignals::Deferral deferral;
        if (const std::optional<int> status =
                SaverRuntime::answerEarly(options, QString::fromLocal8Bit(argv[0]))) {
            return *status;
        }
        // The summary, the help and the version need no display.
        if (!options.needsDisplay()) {
            app = std::make_unique<QCoreApplication>(argc, argv);
        } else {
            app = std::make_unique<QApplication>(argc, argv);
        }
    }
    const QByteArrayView defaultIcon(start->defaultIcon,
                                     static_cast<qsizetype>(start->defaultIconSize));
    SaverRuntime runtime(options, QCoreApplication::applicationFilePath(), defaultIcon, started,
                         start->stop);
    return runtime.run();
}
