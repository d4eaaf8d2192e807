#pragma once

#include "runtime/SoundChoice.h"

#include <windows.h>

#include <optional>
#include <string>

// The saver's settings: two check boxes ("BGMを鳴らす", "効果音を鳴らす") with OK and
// "キャンセル", titled "<title> の設定", as the Linux saver shows them. Modal to `owner` when
// given.
class SettingsWindow {
public:
    SettingsWindow(std::wstring title, HICON icon, HWND owner);

    // The choice when the user pressed OK; nothing when cancelled or closed.
    std::optional<SoundChoice> ask(const SoundChoice& current);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void build(HWND window, const SoundChoice& current);

    std::wstring title_;
    HICON icon_;
    HWND owner_;
    HWND bgm_ = nullptr;
    HWND soundEffects_ = nullptr;
    HFONT font_ = nullptr;
    bool done_ = false;
    std::optional<SoundChoice> answer_;
};
