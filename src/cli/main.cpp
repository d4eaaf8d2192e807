#include "CliCommand.h"

#include "document/ProgramVersion.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kSuccess = 0;
constexpr int kRefused = 2;

// The usage, to standard output when asked for and to standard error after a wrong call.
int usage(FILE* stream, int status)
{
    QTextStream out(stream);
    out << "usage: kremoa-cli COMMAND [ARGS...]\n"
           "       kremoa-cli --help | --version\ncommands:\n";
    for (const auto& [name, entry] : CliCommand::all()) {
        out << "  " << QString::fromUtf8(entry.usage) << '\n';
    }
    return status;
}

// Whether a window system can be reached at all. Without one, Qt would abort on start.
bool hasDisplay()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
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
    if (argc == 2 && (qstrcmp(argv[1], "--help") == 0 || qstrcmp(argv[1], "-h") == 0)) {
        return usage(stdout, kSuccess);
    }
    if (argc == 2 && qstrcmp(argv[1], "--version") == 0) {
        QTextStream(stdout) << ProgramVersion::line(QStringLiteral("kremoa-cli")) << '\n';
        return kSuccess;
    }
    if (!needsDisplay(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    } else if (!hasDisplay()) {
        QTextStream(stderr) << "play: 画面がありません(DISPLAY が設定されていません)。"
                               "--simulate なら画面なしで再生できます\n";
        return kRefused;
    }
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        return usage(stderr, kRefused);
    }
    const auto& commands = CliCommand::all();
    const auto found = commands.find(args.takeFirst());
    if (found == commands.end()) {
        return usage(stderr, kRefused);
    }
    return found->second.run(args);
}
