#include "CliCommand.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

int usage()
{
    QTextStream err(stderr);
    err << "usage: kremoa-cli COMMAND [ARGS...]\ncommands:\n";
    for (const auto& [name, entry] : CliCommand::all()) {
        err << "  " << QString::fromUtf8(entry.usage) << '\n';
    }
    return 2;
}

// Only "play" without "--simulate" shows a window; every other command runs headless, so it
// works on a machine without a display.
bool needsDisplay(int argc, char** argv)
{
    if (argc < 2 || qstrcmp(argv[1], "play") != 0) {
        return false;
    }
    for (int i = 2; i < argc; ++i) {
        if (qstrcmp(argv[i], "--simulate") == 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!needsDisplay(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        return usage();
    }
    const auto& commands = CliCommand::all();
    const auto found = commands.find(args.takeFirst());
    if (found == commands.end()) {
        return usage();
    }
    return found->second.run(args);
}
