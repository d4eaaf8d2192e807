#pragma once

#include <QByteArray>
#include <QString>

// C++ source text that defines byte arrays, each 16-byte aligned, so that in the executable's
// file each array starts at an offset with the same alignment (a loaded segment keeps its
// offset modulo the page size).
class EmbeddedSource {
public:
    explicit EmbeddedSource(const QString& header);

    // Defines `const unsigned char name[]` and `const std::size_t sizeName`.
    void addArray(const QString& name, const QString& sizeName, const QByteArray& bytes);
    // The whole source text.
    QByteArray text() const;

private:
    QByteArray text_;
};
