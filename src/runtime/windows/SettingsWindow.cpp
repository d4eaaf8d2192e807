#include "runtime/windows/SettingsWindow.h"

#include <utility>

namespace {

constexpr wchar_t kWindowClass[] = L"KremoaSettingsWindow";
constexpr wchar_t kTitleSuffix[] = L" の設定";
constexpr wchar_t kBgmText[] = L"BGMを鳴らす";
constexpr wchar_t kSoundEffectsText[] = L"効果音を鳴らす";
constexpr wchar_t kOkText[] = L"OK";
constexpr wchar_t kCancelText[] = L"キャンセル";

constexpr int kMargin = 12;
constexpr int kCheckWidth = 240;
constexpr int kRowHeight = 24;
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 28;
constexpr int kGap = 8;
constexpr int kBgmId = 101;
constexpr int kSoundEffectsId = 102;
constexpr int kClientWidth = kMargin * 2 + kCheckWidth;
constexpr int kButtonsTop = kMargin + kRowHeight * 2 + kGap;
constexpr int kClientHeight = kButtonsTop + kButtonHeight + kMargin;

HWND child(HWND parent, const wchar_t* kind, const wchar_t* text, DWORD style, int id, int x, int y,
           int width, int height, HFONT font)
{
    const HWND made = CreateWindowExW(
        0, kind, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, width, height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return made;
}

}  // namespace

SettingsWindow::SettingsWindow(std::wstring title, HICON icon, HWND owner)
    : title_(std::move(title)), icon_(icon), owner_(owner)
{}

std::optional<SoundChoice> SettingsWindow::ask(const SoundChoice& current)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (!GetClassInfoExW(instance, kWindowClass, &windowClass)) {
        windowClass.lpfnWndProc = &SettingsWindow::procedure;
        windowClass.hInstance = instance;
        windowClass.hIcon = icon_;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kWindowClass;
        RegisterClassExW(&windowClass);
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        font_ = CreateFontIndirectW(&metrics.lfMessageFont);
    }
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    const std::wstring caption = title_ + kTitleSuffix;
    const HWND window =
        CreateWindowExW(WS_EX_DLGMODALFRAME, kWindowClass, caption.c_str(), style, x, y, width,
                        height, IsWindow(owner_) ? owner_ : nullptr, nullptr, instance, this);
    if (window == nullptr) {
        if (font_ != nullptr) {
            DeleteObject(font_);
        }
        return std::nullopt;
    }
    build(window, current);
    const bool ownerEnabled = IsWindow(owner_) && EnableWindow(owner_, FALSE) == 0;
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    MSG message;
    while (!done_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (ownerEnabled) {
        EnableWindow(owner_, TRUE);
    }
    if (IsWindow(window)) {
        DestroyWindow(window);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
        font_ = nullptr;
    }
    return answer_;
}

void SettingsWindow::build(HWND window, const SoundChoice& current)
{
    bgm_ = child(window, L"BUTTON", kBgmText, BS_AUTOCHECKBOX, kBgmId, kMargin, kMargin,
                 kCheckWidth, kRowHeight, font_);
    soundEffects_ = child(window, L"BUTTON", kSoundEffectsText, BS_AUTOCHECKBOX, kSoundEffectsId,
                          kMargin, kMargin + kRowHeight, kCheckWidth, kRowHeight, font_);
    const int okLeft = kClientWidth - kMargin - kButtonWidth * 2 - kGap;
    child(window, L"BUTTON", kOkText, BS_DEFPUSHBUTTON, IDOK, okLeft, kButtonsTop, kButtonWidth,
          kButtonHeight, font_);
    child(window, L"BUTTON", kCancelText, BS_PUSHBUTTON, IDCANCEL, okLeft + kButtonWidth + kGap,
          kButtonsTop, kButtonWidth, kButtonHeight, font_);
    SendMessageW(bgm_, BM_SETCHECK, current.bgm ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(soundEffects_, BM_SETCHECK, current.soundEffects ? BST_CHECKED : BST_UNCHECKED, 0);
    SetFocus(bgm_);
}

LRESULT CALLBACK SettingsWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<SettingsWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(window, message, wParam, lParam);
}

LRESULT SettingsWindow::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                answer_ =
                    SoundChoice{SendMessageW(bgm_, BM_GETCHECK, 0, 0) == BST_CHECKED,
                                SendMessageW(soundEffects_, BM_GETCHECK, 0, 0) == BST_CHECKED};
                done_ = true;
                return 0;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                done_ = true;
                return 0;
            }
            break;
        case WM_CLOSE:
            done_ = true;
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
