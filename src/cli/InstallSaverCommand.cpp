// kremoa-cli install-saver: registers a built saver with xscreensaver, in the user's
// ~/.xscreensaver, and tells how to use it with xsecurelock.

#include "CliCommand.h"

#include "builder/SaverTarget.h"
#include "document/AtomicFileWriter.h"
#include "platform/XScreensaverPrograms.h"
#include "runtime/SaverFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 2;
const char* const kUsage = "install-saver SAVER.scr";
const QString kSettingsFileName = QStringLiteral(".xscreensaver");

const QString kMissingSettings = QStringLiteral(
    "%1 がありません。xscreensaver の設定 (xscreensaver-settings) を一度開いて閉じると"
    "作られます。そのあとでもう一度実行してください。");
const QString kUnreadableSettings = QStringLiteral("%1 を読めません (%2)。");
const QString kRewriteSettings = QStringLiteral(
    " xscreensaver の設定を一度開いて閉じ、ファイルを書き直させてから、もう一度実行してください。");
const QString kNotExecutable =
    QStringLiteral("実行できないファイルです (chmod +x で実行できるようにしてください): ");
const QString kForWindows =
    QStringLiteral("Windows 用のスクリーンセーバーです。Linux では使えません: ");
const QString kRegistered =
    QStringLiteral("%1 に登録しました: %2\nxscreensaver の設定の一覧から「%3」を選んでください。");
const QString kAlreadyRegistered = QStringLiteral("%1 にはもう登録されています: %2");
const QString kXsecurelock =
    QStringLiteral("xsecurelock で使うときは、この環境変数を付けて起動してください:");

int fail(const QString& message)
{
    QTextStream(stderr) << message << '\n';
    return kFailure;
}

// The value in a form a shell takes as one word.
QString shellWord(const QString& text)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./+,:@%=-]+$"));
    if (plain.match(text).hasMatch()) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

// The system a saver that opened well was built for, from its first bytes.
std::optional<SaverTarget> builtFor(const QString& program)
{
    constexpr qint64 kMagicBytes = 4;
    QFile file(program);
    return file.open(QIODevice::ReadOnly) ? SaverTargets::ofProgram(file.read(kMagicBytes))
                                          : std::nullopt;
}

int registerWithXscreensaver(const QString& settingsPath, const QString& entry,
                             const QString& program, const QString& title)
{
    QFile file(settingsPath);
    if (!file.exists()) {
        return fail(kMissingSettings.arg(settingsPath));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(kUnreadableSettings.arg(settingsPath, file.errorString()));
    }
    const Expected<XScreensaverPrograms> programs = XScreensaverPrograms::read(file.readAll());
    file.close();
    if (!programs) {
        return fail(settingsPath + QStringLiteral(": ") + programs.error() + kRewriteSettings);
    }
    QTextStream out(stdout);
    if (programs->lists(program)) {
        out << kAlreadyRegistered.arg(settingsPath, program) << '\n';
        return kSuccess;
    }
    AtomicFileWriter writer(settingsPath);
    if (const Status opened = writer.open(); !opened) {
        return fail(opened.error());
    }
    if (writer.device().write(programs->withEntry(entry)) < 0) {
        return fail(writer.device().errorString());
    }
    if (const Status committed = writer.commit(); !committed) {
        return fail(committed.error());
    }
    out << kRegistered.arg(settingsPath, entry, title) << '\n';
    return kSuccess;
}

int run(const QStringList& args)
{
    if (args.size() != 1) {
        return fail(QStringLiteral("usage: kremoa-cli ") + QString::fromUtf8(kUsage));
    }
    const QFileInfo info(args[0]);
    const QString program = info.absoluteFilePath();
    SaverFile saver;
    if (const Status opened = saver.open(program, {}); !opened) {
        return fail(opened.error());
    }
    if (builtFor(program) == SaverTarget::Windows) {
        return fail(kForWindows + program);
    }
    if (!info.isExecutable()) {
        return fail(kNotExecutable + program);
    }
    const QString title =
        saver.identity().title.isEmpty() ? info.completeBaseName() : saver.identity().title;
    const Expected<QString> entry = XScreensaverPrograms::entryFor(title, program);
    if (!entry) {
        return fail(entry.error());
    }
    const int status = registerWithXscreensaver(QDir(QDir::homePath()).filePath(kSettingsFileName),
                                                entry.value(), program, title);
    QTextStream(stdout) << kXsecurelock << "\nXSECURELOCK_SAVER=" << shellWord(program) << '\n';
    return status;
}

const CliCommand command("install-saver", kUsage, &run);

}  // namespace
