#include "editor/Main.h"

#include "document/ProgramVersion.h"
#include "document/Prompter.h"
#include "editor/MainForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

namespace {

const QString kEndOfOptions = QStringLiteral("--");
const QString kHelp = QStringLiteral("--help");
const QString kVersion = QStringLiteral("--version");
const QString kCommand = QStringLiteral("kremoa");

const QString kUsage = QStringLiteral(
    "使い方: kremoa [作業ファイル]\n"
    "クレモアのエディターを開きます。BMP・JPEG の画像でスライドショーを作り、\n"
    "スクリーンセーバー (.scr) に仕上げます。作業ファイル (.kwp) を指定すると、\n"
    "それを開いた状態で始まります。\n"
    "\n"
    "      --help     この説明を表示して終了する\n"
    "      --version  バージョン情報を表示して終了する\n"
    "      --         これより後はオプションではなく作業ファイルの名前\n");

}  // namespace

QString Main::TempFolderFrom(const QString& systemTempPath)
{
    if (systemTempPath.isEmpty()) {
        return QString();
    }
    const QString native = QDir::toNativeSeparators(systemTempPath);
    return native.endsWith(QDir::separator()) ? native : native + QDir::separator();
}

QString Main::commandLinePath(const QStringList& arguments)
{
    const qsizetype first = arguments.value(1) == kEndOfOptions ? 2 : 1;
    return arguments.mid(first).join(u' ');
}

std::optional<int> Main::answerOptions(const QStringList& arguments, QTextStream& out,
                                       QTextStream& err)
{
    const QStringList words = arguments.mid(1);
    const qsizetype end = words.indexOf(kEndOfOptions);
    const QStringList options = end < 0 ? words : words.mid(0, end);
    if (options.contains(kHelp)) {
        out << kUsage;
        return 0;
    }
    if (options.contains(kVersion)) {
        out << ProgramVersion::line(kCommand) << '\n';
        return 0;
    }
    // A workspace whose name starts with "--" still opens, as any other.
    const QString path = commandLinePath(arguments);
    for (const QString& option : options) {
        if (option.startsWith(kEndOfOptions) && !QFileInfo(path).isFile()) {
            err << kCommand << QStringLiteral(": 不明なオプション '") << option << "'\n"
                << QStringLiteral("詳しくは 'kremoa --help' を実行してください。\n");
            return kRefusedOption;
        }
    }
    return std::nullopt;
}

void Main::translateStandardDialogs()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

std::unique_ptr<MainForm> Main::start(const QString& systemTempPath, const QStringList& arguments,
                                      FileQuestions& questions, Prompter& prompter,
                                      const QString& applicationFolder, WindowPlacement* placement)
{
    const QString tempFolder = TempFolderFrom(systemTempPath);
    if (tempFolder.isEmpty()) {
        prompter.tell(kCannotRunMessage, kProgramName, Prompter::Icon::Information);
        return nullptr;
    }
    auto form = std::make_unique<MainForm>(questions, prompter, applicationFolder, tempFolder,
                                           nullptr, placement);
    form->Form_Load(commandLinePath(arguments));
    form->show();
    return form;
}
