#pragma once

#include <QByteArrayView>

#include <string_view>

// The same bytes seen by the show core (std::string_view) and by Qt (QByteArrayView); neither
// copies, so the bytes must outlive both views.
namespace ByteView {

inline std::string_view of(QByteArrayView bytes)
{
    return {bytes.data(), static_cast<std::size_t>(bytes.size())};
}

inline QByteArrayView toQt(std::string_view bytes)
{
    return {bytes.data(), static_cast<qsizetype>(bytes.size())};
}

}  // namespace ByteView
