#pragma once

#include <QString>

// The builder's one check of a chosen icon file (IconFile::is32Pixels), with its messages.
class IconCheck {
public:
    static inline const QString kTitle = QStringLiteral("アイコンの変更");
    static inline const QString kWrongSize = QStringLiteral("32×32のアイコンしか使えません。");

    static bool is32Pixels(const QString& path);
};
