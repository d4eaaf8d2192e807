#pragma once

#include "document/Expected.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The list of screen savers in xscreensaver's settings file (~/.xscreensaver): its `programs:`
// resource, an X resource whose value runs over many lines joined by backslash-newline, with
// the entries separated by the two characters "\n". An entry is an optional "-" (switched off),
// an optional visual ("GL:"), an optional quoted name and the command. Reading finds the
// entries; adding one gives the file's bytes with the new entry at the end of the list and
// every other byte as it was.
class XScreensaverPrograms {
public:
    static inline const QString kNoPrograms =
        QStringLiteral("xscreensaver の設定ファイルに programs: の行が見つかりません。");
    static inline const QString kUnusablePath = QStringLiteral(
        "このパスは xscreensaver に登録できません (改行、バックスラッシュ、' を含まない"
        "場所に置いてください): ");

    static Expected<XScreensaverPrograms> read(QByteArray file);

    // The commands of the entries, without switch, visual and name.
    const QStringList& commands() const { return commands_; }
    // Whether an entry runs `program` (an absolute path).
    bool lists(const QString& program) const;
    // The file with one more entry, a line of text without newline or backslash.
    QByteArray withEntry(const QString& entry) const;

    // The entry that runs `program` in xscreensaver's window ("--root"), shown under `title`;
    // fails for a path that no entry can hold.
    static Expected<QString> entryFor(const QString& title, const QString& program);

private:
    XScreensaverPrograms() = default;
    QString decoded(qsizetype from, qsizetype to) const;

    QByteArray file_;
    qsizetype valueStart_ = 0;  // just after "programs:"
    qsizetype valueEnd_ = 0;    // the newline that ends the resource, or the file's end
    QStringList commands_;
};
