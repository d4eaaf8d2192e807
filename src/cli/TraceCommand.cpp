// kremoa-cli trace: runs one transition effect on a recording canvas with the virtual clock and
// prints every drawing operation and frame wait as one JSON object per line.

#include "CliCommand.h"

#include "effects/EffectTrace.h"

#include <QTextStream>

#include <cstdio>
#include <string>
#include <vector>

namespace {

int run(const QStringList& args)
{
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(args.size()));
    for (const QString& arg : args) {
        arguments.push_back(arg.toStdString());
    }
    const CoreExpected<EffectTrace::Request> request = EffectTrace::parse(arguments);
    if (!request) {
        QTextStream(stderr) << "trace: " << QString::fromStdString(request.error()) << '\n';
        return 2;
    }
    const std::string lines = EffectTrace::run(request.value());
    std::fwrite(lines.data(), 1, lines.size(), stdout);
    return 0;
}

const CliCommand command("trace",
                         "trace --effect N --width W --height H [--speed S] [--stop-at-frame K]",
                         &run);

}  // namespace
