#pragma once

#include <QString>

// The program's version, set by the build. The editor's about box, and the `--version` of
// kremoa, kremoa-cli and every built saver show the same numbers.
class ProgramVersion {
public:
    static int major();
    static int minor();
    // The major version, ".", the minor version as two digits: "1.00".
    static QString text();
    // The first line `--version` prints: "kremoa-cli (クレモア) 1.00".
    static QString line(const QString& program);
};
