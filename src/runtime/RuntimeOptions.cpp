#include "RuntimeOptions.h"

namespace {

constexpr int kHexBase = 16;
constexpr int kDecimalBase = 10;

bool isOption(const QString& argument, char letter)
{
    const QString lower = argument.toLower();
    const QString slash = QStringLiteral("/") + QLatin1Char(letter);
    const QString dash = QStringLiteral("-") + QLatin1Char(letter);
    return lower == slash || lower == dash || lower.startsWith(slash + QLatin1Char(':'));
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
    if (!hostWindow.isEmpty()) {
        options.windowId = parseWindowId(hostWindow);
    }
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--check")) {
            options.mode = Mode::Check;
        } else if (argument == QLatin1String("--log")) {
            options.log = true;
        } else if (isOption(argument, 'c')) {
            options.mode = Mode::Settings;
        } else if (isOption(argument, 's')) {
            options.mode = Mode::Play;
        } else if ((argument == QLatin1String("-window-id") || isOption(argument, 'p')) &&
                   i + 1 < arguments.size()) {
            options.windowId = parseWindowId(arguments[++i]);
        }
    }
    return options;
}
