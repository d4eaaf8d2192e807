#pragma once

#include "effects/ProgramState.h"
#include "player/BlankScreenWindow.h"
#include "player/ShowStage.h"

#include <QIcon>
#include <QImage>
#include <QPoint>
#include <QRasterWindow>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

// The player window `Form1`: frameless, black, covering the primary monitor, with the canvas
// `Picture1` centred in it; every other monitor gets a black window. While the show runs the
// cursor is hidden, and a key, a mouse button or any change of the cursor position on any of
// the windows sets StopRequested. A fresh window is made for every show.
class PlayerWindow : public QRasterWindow, public ShowStage {
    Q_OBJECT
public:
    struct Options {
        QString title;
        QIcon icon;
    };

    // `onStop` runs after input has set StopRequested (a sleeping wait ends on it).
    PlayerWindow(ProgramState& state, Options options, std::function<void()> onStop = {});
    ~PlayerWindow() override;

    void begin(const PixelImage& canvas) override;
    void armInput() override;
    void present(std::span<const PixelRect> changed) override;
    void end() override;

    // Top-left corner of the canvas: half the window minus half the canvas, each halved with
    // truncation, negative for a canvas larger than the window.
    QPoint canvasOrigin() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void stopFromInput();
    void restoreCursor();

    ProgramState& state_;
    Options options_;
    std::function<void()> onStop_;
    std::vector<std::unique_ptr<BlankScreenWindow>> blanks_;
    QImage screen_;  // a view of the show's canvas; null before the show begins
    QPoint StartCursorPos;
    bool armed_ = false;
    bool cursorHidden_ = false;
};
