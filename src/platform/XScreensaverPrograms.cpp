#include "platform/XScreensaverPrograms.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

const QByteArray kResourceName = QByteArrayLiteral("programs");
const QByteArray kContinuation = QByteArrayLiteral("\\\n");
const QString kEntrySeparator = QStringLiteral("\\n");
const QByteArray kIndent = QByteArrayLiteral("\t\t\t\t");
const QString kRootOption = QStringLiteral("--root");

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The end of the logical line starting at `from`: the first newline not escaped by a backslash,
// or the end of the file.
qsizetype logicalLineEnd(const QByteArray& file, qsizetype from)
{
    qsizetype at = from;
    while ((at = file.indexOf('\n', at)) >= 0) {
        if (at == 0 || file[at - 1] != '\\') {
            return at;
        }
        ++at;
    }
    return file.size();
}

// One entry's command: without a leading "-", a visual ("GL:") and a quoted name.
QString commandOf(QString entry)
{
    entry = entry.trimmed();
    if (entry.startsWith(QLatin1Char('-'))) {
        entry = entry.mid(1).trimmed();
    }
    static const QRegularExpression visual(QStringLiteral("^[A-Za-z][A-Za-z0-9_-]*:\\s"));
    entry.remove(visual);
    entry = entry.trimmed();
    if (entry.startsWith(QLatin1Char('"'))) {
        const qsizetype close = entry.indexOf(QLatin1Char('"'), 1);
        entry = close < 0 ? QString() : entry.mid(close + 1).trimmed();
    }
    return entry;
}

// The program a command runs: its first word, which may be quoted.
QString firstWord(const QString& command)
{
    if (command.startsWith(QLatin1Char('\'')) || command.startsWith(QLatin1Char('"'))) {
        const qsizetype close = command.indexOf(command.front(), 1);
        return close < 0 ? QString() : command.mid(1, close - 1);
    }
    return command.section(QRegularExpression(QStringLiteral("\\s+")), 0, 0);
}

}  // namespace

Expected<XScreensaverPrograms> XScreensaverPrograms::read(QByteArray file)
{
    XScreensaverPrograms programs;
    bool found = false;
    for (qsizetype line = 0; line < file.size();) {
        const qsizetype end = logicalLineEnd(file, line);
        qsizetype at = line;
        while (at < end && isBlank(file[at])) {
            ++at;
        }
        if (QByteArrayView(file).sliced(at, end - at).startsWith(kResourceName)) {
            qsizetype colon = at + kResourceName.size();
            while (colon < end && isBlank(file[colon])) {
                ++colon;
            }
            // Like the X resource manager, the last value given counts.
            if (colon < end && file[colon] == ':') {
                programs.valueStart_ = colon + 1;
                programs.valueEnd_ = end;
                found = true;
            }
        }
        line = end + 1;
    }
    if (!found) {
        return Expected<XScreensaverPrograms>::failure(kNoPrograms);
    }
    programs.file_ = std::move(file);
    const QStringList entries = programs.decoded(programs.valueStart_, programs.valueEnd_)
                                    .split(kEntrySeparator, Qt::SkipEmptyParts);
    for (const QString& entry : entries) {
        const QString command = commandOf(entry);
        if (!command.isEmpty()) {
            programs.commands_.append(command);
        }
    }
    return programs;
}

QString XScreensaverPrograms::decoded(qsizetype from, qsizetype to) const
{
    return QString::fromUtf8(file_.sliced(from, to - from).replace(kContinuation, QByteArray()));
}

bool XScreensaverPrograms::lists(const QString& program) const
{
    return std::any_of(commands_.begin(), commands_.end(), [&program](const QString& command) {
        return firstWord(command) == program;
    });
}

QByteArray XScreensaverPrograms::withEntry(const QString& entry) const
{
    // A list written by xscreensaver ends each entry with "\n" and a backslash, and the value
    // with a blank line: the new entry goes on a line of its own before that blank line.
    // Otherwise it goes after the last line, joined on with a backslash.
    const qsizetype lastNewline = file_.lastIndexOf('\n', valueEnd_ - 1);
    const qsizetype lastLine = lastNewline >= valueStart_ ? lastNewline + 1 : valueStart_;
    const bool blankLastLine =
        lastLine > valueStart_ &&
        std::all_of(file_.begin() + lastLine, file_.begin() + valueEnd_, isBlank);
    const qsizetype at = blankLastLine ? lastLine : valueEnd_;
    const QString before = decoded(valueStart_, at).trimmed();
    const bool separate = !before.isEmpty() && !before.endsWith(kEntrySeparator);

    QByteArray insertion;
    if (blankLastLine) {
        insertion = (separate ? QByteArrayLiteral("\\n\\\n") : QByteArray()) + kIndent +
                    entry.toUtf8() + QByteArrayLiteral(" \\n\\\n");
    } else {
        insertion = (separate ? QByteArrayLiteral(" \\n\\\n") : QByteArrayLiteral(" \\\n")) +
                    kIndent + entry.toUtf8();
    }
    QByteArray result = file_;
    result.insert(at, insertion);
    return result;
}

Expected<QString> XScreensaverPrograms::entryFor(const QString& title, const QString& program)
{
    // Backslashes are escapes in a resource value; a quote could not be quoted without one.
    static const QRegularExpression unusable(QStringLiteral("[\\\\'\\n\\r]"));
    if (program.contains(unusable)) {
        return Expected<QString>::failure(kUnusablePath + program);
    }
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./+,:@%=-]+$"));
    const QString command =
        plain.match(program).hasMatch() ? program : QLatin1Char('\'') + program + QLatin1Char('\'');
    QString name = title;
    static const QRegularExpression unsafeInName(QStringLiteral("[\"\\\\\\n\\r\\t]"));
    name.replace(unsafeInName, QStringLiteral(" "));
    return QLatin1Char('"') + name.trimmed() + QStringLiteral("\" ") + command + QLatin1Char(' ') +
           kRootOption;
}
