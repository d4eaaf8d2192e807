#include "RuntimeOptions.h"

namespace {

constexpr int kHexBase = 16;
constexpr int kDecimalBase = 10;

// "/x", "-x" and "/x:anything" in either case, as Windows and its hosts write them.
bool isLetterOption(const QString& argument, char letter)
{
    const QString lower = argument.toLower();
    const QString slash = QStringLiteral("/") + QLatin1Char(letter);
    const QString dash = QStringLiteral("-") + QLatin1Char(letter);
    return lower == slash || lower == dash || lower.startsWith(slash + QLatin1Char(':'));
}

bool isWindowIdOption(const QString& argument)
{
    return argument == QLatin1String("--window-id") || argument == QLatin1String("-window-id") ||
           argument.compare(QLatin1String("/p"), Qt::CaseInsensitive) == 0 ||
           argument.compare(QLatin1String("-p"), Qt::CaseInsensitive) == 0;
}

RuntimeOptions refused(const QString& why)
{
    RuntimeOptions options;
    options.mode = RuntimeOptions::Mode::Refused;
    options.refusal = why;
    return options;
}

}  // namespace

std::optional<quintptr> RuntimeOptions::parseWindowId(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const quint64 value = trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                              ? trimmed.mid(2).toULongLong(&ok, kHexBase)
                              : trimmed.toULongLong(&ok, kDecimalBase);
    if (!ok || value == 0) {
        return std::nullopt;
    }
    return quintptr(value);
}

RuntimeOptions RuntimeOptions::parse(const QStringList& arguments, const QString& hostWindow)
{
    RuntimeOptions options;
    // A stale or foreign value in the environment is no reason to refuse: it is ignored.
    const std::optional<quintptr> environmentHost = parseWindowId(hostWindow);
    if (environmentHost) {
        options.host = Host::Window;
        options.windowId = environmentHost;
    }
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help")) {
            options.mode = Mode::Help;
            return options;
        }
        if (argument == QLatin1String("--version")) {
            options.mode = Mode::Version;
            return options;
        }
        if (argument == QLatin1String("--check")) {
            options.mode = Mode::Check;
        } else if (argument == QLatin1String("--log")) {
            options.log = true;
        } else if (argument == QLatin1String("--root") || argument == QLatin1String("-root")) {
            options.host = environmentHost ? Host::Window : Host::RootWindow;
            options.windowId = environmentHost;
        } else if (isWindowIdOption(argument)) {
            if (i + 1 >= arguments.size()) {
                return refused(kMissingWindowId + argument);
            }
            options.windowId = parseWindowId(arguments[++i]);
            if (!options.windowId) {
                return refused(kBadWindowId + arguments[i]);
            }
            options.host = Host::Window;
        } else if (isLetterOption(argument, 'c')) {
            options.mode = Mode::Settings;
        } else if (isLetterOption(argument, 's')) {
            options.mode = Mode::Play;
        } else {
            return refused(kUnknownOption + argument);
        }
    }
    return options;
}

QString RuntimeOptions::usage(const QString& program)
{
    return QStringLiteral(
               "使い方: %1 [/s | /c | --window-id ID | --root | --check | --help | "
               "--version]\n")
        .arg(program);
}

QString RuntimeOptions::help(const QString& program)
{
    return usage(program) +
           QStringLiteral(
               "スライドショーのスクリーンセーバーです。\n"
               "  /s, -s              全画面でスライドショーを再生します (オプションなしと同じ)\n"
               "  /c, -c              設定を開きます (BGM と効果音の ON/OFF)\n"
               "  --window-id ID, -window-id ID, /p ID, -p ID\n"
               "                      ID のウィンドウの中で再生します (10 進数か 0x で始まる "
               "16 進数)\n"
               "  --root, -root       環境変数 XSCREENSAVER_WINDOW のウィンドウ、なければルート"
               "ウィンドウで再生します\n"
               "  --check             データを確かめ、内容を JSON で表示して終わります\n"
               "  --log               最初の表示と切り替えの時刻を標準エラー出力に書きます\n"
               "  --help              この説明を表示します\n"
               "  --version           バージョンを表示します\n"
               "XSCREENSAVER_WINDOW にウィンドウ ID があれば、そのウィンドウの中で再生します。\n"
               "ウィンドウの中ではキーやマウスでは終わらず、ウィンドウが閉じられると終わります。"
               "\n");
}
