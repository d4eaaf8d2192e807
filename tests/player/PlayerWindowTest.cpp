#include "document/EditableShow.h"
#include "effects/Ticker.h"
#include "media/MediaFactory.h"
#include "player/EditableShowSource.h"
#include "player/PlayerWindow.h"
#include "player/RecordingAudio.h"
#include "player/ShowPlayer.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>

#include <memory>

namespace {

class PlayerWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "PlayerWindowTest";
        static char* argv[] = {name, nullptr};
        if (QGuiApplication::instance() == nullptr) {
            application = new QGuiApplication(argc, argv);
        }
    }

    static void send(QWindow& window, QEvent&& event)
    {
        QCoreApplication::sendEvent(&window, &event);
    }

    static QMouseEvent moveTo(QPoint global)
    {
        return QMouseEvent(QEvent::MouseMove, QPointF(1, 1), QPointF(global), Qt::NoButton,
                           Qt::NoButton, Qt::NoModifier);
    }

    ProgramState state;
    int stopsHeard = 0;
    PixelImage canvas{300, 200};
    std::unique_ptr<PlayerWindow> window =
        std::make_unique<PlayerWindow>(state, PlayerWindow::Options{}, [this] { ++stopsHeard; });

    static inline QGuiApplication* application = nullptr;
};

TEST_F(PlayerWindowTest, KeyPressStopsTheShowOnlyOnceInputIsArmed)
{
    window->begin(canvas);
    send(*window, QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier));
    EXPECT_FALSE(state.stopRequested());

    window->armInput();
    send(*window, QKeyEvent(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier));

    EXPECT_TRUE(state.stopRequested());
    EXPECT_EQ(stopsHeard, 1);
}

TEST_F(PlayerWindowTest, AnyMouseButtonStopsTheShow)
{
    window->begin(canvas);
    window->armInput();

    send(*window, QMouseEvent(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5),
                              Qt::MiddleButton, Qt::MiddleButton, Qt::NoModifier));

    EXPECT_TRUE(state.stopRequested());
}

TEST_F(PlayerWindowTest, OnePixelOfCursorMovementStopsButAMoveInPlaceDoesNot)
{
    window->begin(canvas);
    window->armInput();
    const QPoint start = QCursor::pos();

    send(*window, moveTo(start));
    EXPECT_FALSE(state.stopRequested());

    send(*window, moveTo(start + QPoint(0, 1)));
    EXPECT_TRUE(state.stopRequested());
}

TEST_F(PlayerWindowTest, CanvasIsCentredAndALargerOneGetsNegativeOffsets)
{
    window->begin(canvas);
    const QSize screen = window->screen()->geometry().size();
    ASSERT_EQ(window->size(), screen);
    EXPECT_EQ(window->canvasOrigin(), QPoint(screen.width() / 2 - 150, screen.height() / 2 - 100));

    const PixelImage large(screen.width() + 3, screen.height() + 5);
    PlayerWindow second(state, PlayerWindow::Options{});
    second.begin(large);
    EXPECT_EQ(second.canvasOrigin(), QPoint(screen.width() / 2 - large.width() / 2,
                                            screen.height() / 2 - large.height() / 2));
    EXPECT_LT(second.canvasOrigin().x(), 0);
}

TEST_F(PlayerWindowTest, CursorIsHiddenDuringTheShowAndRestoredAfter)
{
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    window->begin(canvas);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);

    window->end();

    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// A clock that moves 100 ms per wait and lets Qt's events run; at the third wait a key is
// pressed in whatever player window is open.
class KeyPressingTicker : public Ticker {
public:
    std::int64_t now() override { return now_; }
    void pumpEvents(ProgramState&) override { QCoreApplication::processEvents(); }
    void waitPast(std::int64_t deadline, ProgramState& state) override
    {
        if (++waits == 3) {
            for (QWindow* window : QGuiApplication::topLevelWindows()) {
                if (auto* player = qobject_cast<PlayerWindow*>(window)) {
                    QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                    QCoreApplication::sendEvent(player, &key);
                }
            }
        }
        pumpEvents(state);
        if (!state.stopRequested()) {
            now_ = std::max(now_, deadline + 1);
        }
    }
    int waits = 0;

private:
    std::int64_t now_ = 0;
};

class EventCounter : public ShowObserver {
public:
    void soundsPurged() override { ++purges; }
    int purges = 0;
};

TEST_F(PlayerWindowTest, ShowInAFreshWindowEndsOnAKeyAndLeavesNoWindowBehind)
{
    window.reset();
    QTemporaryDir dir;
    MediaFactory media(dir.path());
    EditableShow show;
    show.canvasWidth = 64;
    show.canvasHeight = 48;
    for (int i = 0; i < 2; ++i) {
        show.imagePaths.append(media.solidImage(QStringLiteral("%1.bmp").arg(i), {64, 48},
                                                i == 0 ? Qt::red : Qt::blue));
        SlideItem slide;
        slide.DisplayTime = 100;
        show.document.Slides.append(slide);
    }
    EditableShowSource source(show);
    KeyPressingTicker ticker;
    EventCounter events;
    RecordingAudio audio(ticker, events, std::nullopt);
    int stops = 0;

    ShowPlayer::play(source, audio, ticker, state, PlayerWindow::Options{}, [&stops] { ++stops; });

    EXPECT_EQ(ticker.waits, 3);
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(events.purges, 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    for (QWindow* remaining : QGuiApplication::topLevelWindows()) {
        EXPECT_EQ(qobject_cast<PlayerWindow*>(remaining), nullptr);
    }
}

}  // namespace
