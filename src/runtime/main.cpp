// kremoa-runtime: the screen-saver program. Copied as Project.krt into the application folder,
// it becomes each built saver, which is this file followed by the show's package.
#include "runtime/RuntimeAssets.h"
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

int main(int argc, char** argv)
{
    QElapsedTimer started;
    started.start();
    const RuntimeOptions options =
        RuntimeOptions::parse(argumentsOf(argc, argv), qEnvironmentVariable(kHostWindowVariable));
    if (const std::optional<int> status =
            SaverRuntime::answerEarly(options, QString::fromLocal8Bit(argv[0]))) {
        return *status;
    }
    // The summary, the help and the version need no display.
    std::unique_ptr<QCoreApplication> app;
    if (!options.needsDisplay()) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        app = std::make_unique<QApplication>(argc, argv);
    }
    const QByteArrayView defaultIcon(RuntimeAssets::saverIcon, RuntimeAssets::saverIconSize);
    SaverRuntime runtime(options, QCoreApplication::applicationFilePath(), defaultIcon, started);
    return runtime.run();
}
