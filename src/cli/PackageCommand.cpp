// kremoa-cli package: writes the saver package of a show, exactly as the builder appends it.

#include "CliCommand.h"
#include "ShowJson.h"

#include "document/AtomicFileWriter.h"
#include "document/PackagePlan.h"
#include "document/PackageWriter.h"

#include <QTextStream>

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 2;
const QString kSoundSwitchOption = QStringLiteral("--sound-switch");
const char* const kUsage = "package SHOW(.json|.kwp) OUT [--sound-switch]";

int fail(const QString& message)
{
    QTextStream(stderr) << message << '\n';
    return kFailure;
}

int run(const QStringList& args)
{
    QStringList paths = args;
    const bool soundSwitch = paths.removeAll(kSoundSwitchOption) > 0;
    if (paths.size() != 2) {
        return fail(QStringLiteral("usage: kremoa-cli ") + QString::fromUtf8(kUsage));
    }
    const Expected<EditableShow> show = loadShow(paths[0]);
    if (!show.ok()) {
        return fail(show.error());
    }
    const Expected<PackagePlan> plan = PackagePlan::make(show.value(), soundSwitch ? 1 : 0);
    if (!plan.ok()) {
        return fail(plan.error());
    }
    AtomicFileWriter writer(paths[1]);
    if (const Status opened = writer.open(); !opened) {
        return fail(opened.error());
    }
    if (const Status written = PackageWriter::write(plan.value(), writer.device()); !written) {
        return fail(writer.explain(written).error());
    }
    if (const Status committed = writer.commit(); !committed) {
        return fail(committed.error());
    }
    return kSuccess;
}

const CliCommand command("package", kUsage, &run);

}  // namespace
