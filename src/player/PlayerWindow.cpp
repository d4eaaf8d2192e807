#include "player/PlayerWindow.h"

#include "player/QtPixels.h"
#include "player/ScreenLayout.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

PlayerWindow::PlayerWindow(ProgramState& state, Options options, std::function<void()> onStop)
    : state_(state), options_(std::move(options)), onStop_(std::move(onStop))
{
    setFlags(Qt::Window | Qt::FramelessWindowHint);
    if (!options_.title.isEmpty()) {
        setTitle(options_.title);
    }
    if (!options_.icon.isNull()) {
        setIcon(options_.icon);
    }
}

PlayerWindow::~PlayerWindow()
{
    restoreCursor();
}

void PlayerWindow::begin(const PixelImage& canvas)
{
    screen_ = QtPixels::constView(canvas);
    if (!cursorHidden_) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
        cursorHidden_ = true;
    }
    const ScreenLayout layout = ScreenLayout::current();
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (layout.primary() >= 0) {
        setScreen(screens[layout.primary()]);
    }
    for (const int index : layout.blankScreens()) {
        blanks_.push_back(std::make_unique<BlankScreenWindow>(screens[index], this));
        blanks_.back()->showFullScreen();
    }
    // Sized by hand too: without a window manager full-screen alone leaves it empty.
    setGeometry(screen()->geometry());
    showFullScreen();
    // Keys must reach the player, not the editor window behind it.
    requestActivate();
    update();
}

void PlayerWindow::armInput()
{
    StartCursorPos = QCursor::pos();
    armed_ = true;
}

void PlayerWindow::present(std::span<const PixelRect> changed)
{
    if (!screen_.isNull()) {
        update(QtPixels::region(changed).translated(canvasOrigin()));
    }
}

void PlayerWindow::end()
{
    armed_ = false;
    restoreCursor();
}

QPoint PlayerWindow::canvasOrigin() const
{
    if (screen_.isNull()) {
        return {};
    }
    return {width() / 2 - screen_.width() / 2, height() / 2 - screen_.height() / 2};
}

void PlayerWindow::paintEvent(QPaintEvent* event)
{
    // Only the damaged part is drawn: a refresh repaints the canvas, not the whole screen.
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect canvas = !screen_.isNull() ? QRect(canvasOrigin(), screen_.size()) : QRect();
    for (const QRect& part : event->region() - canvas) {
        painter.fillRect(part, Qt::black);
    }
    const QRect visible = canvas & event->region().boundingRect();
    if (!visible.isEmpty()) {
        painter.drawImage(visible.topLeft(), screen_, visible.translated(-canvas.topLeft()));
    }
}

void PlayerWindow::keyPressEvent(QKeyEvent*)
{
    stopFromInput();
}

void PlayerWindow::mousePressEvent(QMouseEvent*)
{
    stopFromInput();
}

void PlayerWindow::mouseMoveEvent(QMouseEvent* event)
{
    // No tolerance: a move of one pixel ends the show, a move event without a change does not.
    if (event->globalPosition().toPoint() != StartCursorPos) {
        stopFromInput();
    }
}

void PlayerWindow::closeEvent(QCloseEvent*)
{
    // Closed by the window system: the show cannot go on without its window.
    state_.requestStop();
    if (onStop_) {
        onStop_();
    }
}

void PlayerWindow::stopFromInput()
{
    if (!armed_) {
        return;
    }
    state_.requestStop();
    if (onStop_) {
        onStop_();
    }
}

void PlayerWindow::restoreCursor()
{
    if (cursorHidden_) {
        QGuiApplication::restoreOverrideCursor();
        cursorHidden_ = false;
    }
}
