#pragma once

#include <QString>

#include <optional>

// Finds out, before any window system is started, whether the program can reach a display, so
// that it can say so in one line instead of letting the window system abort it.
class DisplayCheck {
public:
    static inline const QString kNoDisplay = QStringLiteral(
        "画面がありません (DISPLAY が設定されていません)。"
        "デスクトップの中で起動してください。");
    static inline const QString kUnreachable = QStringLiteral("画面 %1 に接続できません。");

    // The problem, or nothing when the display can be used. `needsX11`: the program draws into
    // an X11 window itself, whatever platform Qt would choose.
    static std::optional<QString> problem(bool needsX11);

private:
    static std::optional<QString> x11Problem();
};
