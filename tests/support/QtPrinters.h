#pragma once

#include <QImage>
#include <QString>

#include <ostream>

// Readable gtest messages for Qt values.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QImage& image, std::ostream* out)
{
    *out << "QImage " << image.width() << 'x' << image.height() << " format "
         << static_cast<int>(image.format());
}
