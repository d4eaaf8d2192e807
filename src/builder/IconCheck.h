#pragma once

#include <QString>

// The builder's one check of a chosen icon: the width byte of its first image entry (offset 6
// of the file) must be 32.
class IconCheck {
public:
    static constexpr qint64 kWidthOffset = 6;
    static constexpr int kRequiredWidth = 32;
    static inline const QString kTitle = QStringLiteral("アイコンの変更");
    static inline const QString kWrongSize = QStringLiteral("32×32のアイコンしか使えません。");

    static bool is32Pixels(const QString& path);
};
