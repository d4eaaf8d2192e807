#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// A file that a show refers to. It "exists" when it is an existing, readable regular file;
// there are no hidden or system attributes to consider here.
class SourceFile {
public:
    // The file's size, or nothing when it does not exist in that sense.
    static std::optional<qint64> sizeOf(const QString& path);
};
