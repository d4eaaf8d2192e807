// kremoa-cli build: the builder dialog's build without the dialog. Options take the dialog's
// initial values when absent; an existing output is replaced only with --overwrite.

#include "CliCommand.h"
#include "ShowJson.h"

#include "builder/BuildProcedure.h"
#include "builder/BuildRequest.h"
#include "builder/ConsolePrompter.h"
#include "builder/IconCheck.h"
#include "builder/SaverTarget.h"
#include "document/SaverDefaults.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <map>

namespace {

constexpr int kSuccess = 0;
constexpr int kRefused = 2;
const char* const kUsage =
    "build SHOW(.json|.kwp) --out DIR/NAME.scr [--comment T] [--company T] [--description T] "
    "[--copyright T] [--trademark T] [--product T] [--major N] [--minor N] [--icon FILE.ico] "
    "[--sound-switch] [--target linux|windows] [--overwrite]";

int fail(const QString& message)
{
    QTextStream(stderr) << message << '\n';
    return kRefused;
}

int usage()
{
    return fail(QStringLiteral("usage: kremoa-cli ") + QString::fromUtf8(kUsage));
}

// The dialog's initial values, with the application folder's default icon.
BuildRequest initialRequest(const QString& applicationFolder)
{
    BuildRequest request;
    request.fileName = SaverDefaults::kFileName;
    request.description = SaverDefaults::kDescription;
    request.majorVersion = SaverDefaults::kMajorVersion;
    request.minorVersion = SaverDefaults::kMinorVersion;
    request.defaultIconPath =
        BuildProcedure::withSeparator(applicationFolder) + BuildProcedure::kDefaultIconName;
    request.chosenIconPath = request.defaultIconPath;
    return request;
}

int run(const QStringList& args)
{
    const QString applicationFolder = QCoreApplication::applicationDirPath();
    BuildRequest request = initialRequest(applicationFolder);
    const std::map<QString, QString*> texts = {
        {QStringLiteral("--comment"), &request.comment},
        {QStringLiteral("--company"), &request.companyName},
        {QStringLiteral("--description"), &request.description},
        {QStringLiteral("--copyright"), &request.copyright},
        {QStringLiteral("--trademark"), &request.trademark},
        {QStringLiteral("--product"), &request.productName},
        {QStringLiteral("--major"), &request.majorVersion},
        {QStringLiteral("--minor"), &request.minorVersion},
    };
    QString showPath;
    QString out;
    QString icon;
    bool overwrite = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (const auto text = texts.find(arg); text != texts.end() && hasValue) {
            *text->second = args[++i];
        } else if (arg == QLatin1String("--out") && hasValue) {
            out = args[++i];
        } else if (arg == QLatin1String("--icon") && hasValue) {
            icon = args[++i];
        } else if (arg == QLatin1String("--target") && hasValue) {
            const std::optional<SaverTarget> target = SaverTargets::fromName(args[++i]);
            if (!target) {
                return usage();
            }
            request.target = *target;
        } else if (arg == QLatin1String("--sound-switch")) {
            request.soundSwitch = true;
        } else if (arg == QLatin1String("--overwrite")) {
            overwrite = true;
        } else if (showPath.isEmpty() && !arg.startsWith(QLatin1String("--"))) {
            showPath = arg;
        } else {
            return usage();
        }
    }
    if (showPath.isEmpty() || out.isEmpty()) {
        return usage();
    }

    const QFileInfo outInfo(out);
    request.destinationFolder = QDir::toNativeSeparators(outInfo.path());
    request.fileName = outInfo.fileName();
    if (request.fileName.endsWith(BuildProcedure::kOutputSuffix, Qt::CaseInsensitive)) {
        request.fileName.chop(BuildProcedure::kOutputSuffix.size());
    }
    if (!icon.isEmpty()) {
        if (!IconCheck::is32Pixels(icon)) {
            return fail(IconCheck::kTitle + QStringLiteral(": ") + IconCheck::kWrongSize);
        }
        request.chosenIconPath = icon;
    }

    const Expected<EditableShow> show = loadShow(showPath);
    if (!show.ok()) {
        return fail(show.error());
    }
    QTextStream err(stderr);
    ConsolePrompter prompter(err, overwrite ? Prompter::Answer::Yes : Prompter::Answer::No);
    BuildProcedure procedure(show.value(), prompter, applicationFolder);
    const BuildProcedure::Outcome outcome = procedure.run(request);
    BuildProcedure::tell(outcome, prompter);
    return outcome.created() ? kSuccess : kRefused;
}

const CliCommand command("build", kUsage, &run);

}  // namespace
