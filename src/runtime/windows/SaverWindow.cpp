#include "runtime/windows/SaverWindow.h"

#include "effects/ProgramState.h"
#include "player/CanvasFit.h"

#include <cstdlib>
#include <utility>

namespace {

constexpr wchar_t kWindowClass[] = L"KremoaSaverWindow";
// How often a preview makes sure its host still exists: a host in another process may vanish
// without its child hearing of it.
constexpr UINT_PTR kHostCheckTimer = 1;
constexpr UINT kHostCheckMs = 250;

void registerClass(HICON icon)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), kWindowClass, &windowClass)) {
        return;
    }
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = icon;
    windowClass.hIconSm = icon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
}

}  // namespace

SaverWindow::SaverWindow(ProgramState& state, GdiCanvasFactory& surfaces, HWND host,
                         std::wstring title, HICON icon)
    : state_(state), surfaces_(surfaces), host_(host), title_(std::move(title)), icon_(icon)
{
    create();
}

SaverWindow::~SaverWindow()
{
    end();
}

void SaverWindow::create()
{
    registerClass(icon_);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (host_ != nullptr) {
        if (!IsWindow(host_)) {
            return;
        }
        RECT client{};
        GetClientRect(host_, &client);
        window_ = CreateWindowExW(0, kWindowClass, title_.c_str(), WS_CHILD | WS_CLIPSIBLINGS, 0, 0,
                                  client.right, client.bottom, host_, nullptr, instance, nullptr);
    } else {
        window_ = CreateWindowExW(
            WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kWindowClass, title_.c_str(), WS_POPUP,
            GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
            GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN), nullptr,
            nullptr, instance, nullptr);
    }
    if (window_ == nullptr) {
        return;
    }
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SaverWindow::procedure));
    if (icon_ != nullptr) {
        SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
        SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    }
    if (host_ != nullptr) {
        SetTimer(window_, kHostCheckTimer, kHostCheckMs, nullptr);
    }
}

void SaverWindow::begin(const PixelImage& screen)
{
    screen_ = screen;
    screenDc_ = surfaces_.dcOf(screen_);
    if (window_ == nullptr) {
        stop();
        return;
    }
    place();
    if (host_ == nullptr) {
        while (ShowCursor(FALSE) >= 0) {
        }
        cursorHidden_ = true;
    }
    ShowWindow(window_, host_ == nullptr ? SW_SHOW : SW_SHOWNA);
    if (host_ == nullptr) {
        SetForegroundWindow(window_);
        SetFocus(window_);
    }
    UpdateWindow(window_);
}

void SaverWindow::place()
{
    const int width = screen_.width();
    const int height = screen_.height();
    if (host_ == nullptr) {
        // Centred on the primary monitor, whose top left is (0, 0) of the virtual desktop.
        const int left =
            GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2 - GetSystemMetrics(SM_XVIRTUALSCREEN);
        const int top =
            GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2 - GetSystemMetrics(SM_YVIRTUALSCREEN);
        target_ = RECT{left, top, left + width, top + height};
        scaled_ = false;
        return;
    }
    RECT client{};
    GetClientRect(window_, &client);
    // A preview pane fits the canvas as the Linux preview does.
    const CanvasFit fit =
        CanvasFit::of(PixelSize{width, height}, PixelSize{int(client.right), int(client.bottom)});
    const PixelRect& shown = fit.target;
    target_ = RECT{shown.x, shown.y, shown.x + shown.width, shown.y + shown.height};
    scaled_ = fit.scaled();
}

void SaverWindow::armInput()
{
    GetCursorPos(&armedAt_);
    armed_ = true;
}

void SaverWindow::present(std::span<const PixelRect> changed)
{
    if (window_ == nullptr || screenDc_ == nullptr) {
        return;
    }
    GdiFlush();
    const HDC dc = GetDC(window_);
    if (scaled_) {
        // A scaled picture is small (a preview pane): drawing it whole is cheap and avoids
        // seams between scaled parts.
        draw(dc, PixelRect{0, 0, screen_.width(), screen_.height()});
    } else {
        for (const PixelRect& part : changed) {
            draw(dc, part);
        }
    }
    ReleaseDC(window_, dc);
}

void SaverWindow::draw(HDC dc, const PixelRect& part)
{
    if (!scaled_) {
        BitBlt(dc, target_.left + part.x, target_.top + part.y, part.width, part.height, screenDc_,
               part.x, part.y, SRCCOPY);
        return;
    }
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, target_.left, target_.top, target_.right - target_.left,
               target_.bottom - target_.top, screenDc_, 0, 0, screen_.width(), screen_.height(),
               SRCCOPY);
}

void SaverWindow::paint(HDC dc)
{
    RECT client{};
    GetClientRect(window_, &client);
    // Black around the canvas, without drawing under it (no flicker).
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, target_.left, target_.top, target_.right, target_.bottom);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RestoreDC(dc, saved);
    if (screenDc_ != nullptr) {
        GdiFlush();
        draw(dc, PixelRect{0, 0, screen_.width(), screen_.height()});
    }
}

void SaverWindow::end()
{
    if (cursorHidden_) {
        while (ShowCursor(TRUE) < 0) {
        }
        cursorHidden_ = false;
    }
    if (window_ != nullptr) {
        const HWND window = std::exchange(window_, nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
    armed_ = false;
}

void SaverWindow::stop()
{
    state_.requestStop();
}

bool SaverWindow::movedFar() const
{
    POINT now{};
    GetCursorPos(&now);
    return std::abs(now.x - armedAt_.x) > kMoveTolerance ||
           std::abs(now.y - armedAt_.y) > kMoveTolerance;
}

LRESULT CALLBACK SaverWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<SaverWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT SaverWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND window = window_;
    const bool fullScreen = host_ == nullptr;
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT painting;
            const HDC dc = BeginPaint(window, &painting);
            paint(dc);
            EndPaint(window, &painting);
            return 0;
        }
        case WM_SETCURSOR:
            if (fullScreen) {
                SetCursor(nullptr);
                return TRUE;
            }
            break;
        case WM_TIMER:
            if (wParam == kHostCheckTimer && !IsWindow(host_)) {
                stop();
            }
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_XBUTTONDOWN:
        case WM_MOUSEWHEEL:
            if (fullScreen && armed_) {
                stop();
            }
            return 0;
        case WM_MOUSEMOVE:
            // Windows sends a move when the window appears, with the cursor where it was.
            if (fullScreen && armed_ && movedFar()) {
                stop();
            }
            return 0;
        case WM_SYSCOMMAND:
            // Windows must not start a second saver over this one.
            if ((wParam & 0xFFF0) == SC_SCREENSAVE) {
                return 0;
            }
            break;
        case WM_CLOSE:
            stop();
            return 0;
        case WM_DESTROY:
            // The host was destroyed, and its children with it.
            window_ = nullptr;
            stop();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
