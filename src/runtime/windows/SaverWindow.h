#pragma once

#include "player/PixelImage.h"
#include "player/PixelRect.h"
#include "player/ShowStage.h"
#include "runtime/windows/GdiCanvasFactory.h"

#include <windows.h>

#include <span>
#include <string>

class ProgramState;

// Where the show is seen on Windows. Full screen: a black topmost popup over the whole virtual
// desktop with the canvas unscaled and centred on the primary monitor (a canvas larger than the
// monitor is cut), the cursor hidden, and any key, mouse button or move of the mouse by more than
// kMoveTolerance pixels from where it was when input was armed stops the show. Preview: a child
// filling the host's client area, showing the whole canvas scaled to fit; it ignores input and
// stops the show when the host (and with it the child) is destroyed.
class SaverWindow : public ShowStage {
public:
    static constexpr int kMoveTolerance = 3;

    // `host` null = full screen.
    SaverWindow(ProgramState& state, GdiCanvasFactory& surfaces, HWND host, std::wstring title,
                HICON icon);
    ~SaverWindow() override;

    SaverWindow(const SaverWindow&) = delete;
    SaverWindow& operator=(const SaverWindow&) = delete;

    // Whether the window exists (false when the host was gone before the show began).
    bool open() const { return window_ != nullptr; }

    void begin(const PixelImage& screen) override;
    void armInput() override;
    void present(std::span<const PixelRect> changed) override;
    void end() override;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void create();
    void place();
    void paint(HDC dc);
    void draw(HDC dc, const PixelRect& part);
    void stop();
    bool movedFar() const;

    ProgramState& state_;
    GdiCanvasFactory& surfaces_;
    HWND host_;
    std::wstring title_;
    HICON icon_;
    HWND window_ = nullptr;
    PixelImage screen_;
    HDC screenDc_ = nullptr;
    RECT target_{};  // where the canvas is drawn, in client coordinates
    bool scaled_ = false;
    bool armed_ = false;
    bool cursorHidden_ = false;
    POINT armedAt_{};
};
