#include "player/PlayerWindow.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>

#include <memory>

namespace {

const QRect kPrimary(0, 0, 1280, 1024);
const QRect kSecond(1280, 0, 1920, 1080);

// Two monitors side by side, as the offscreen platform lays them out from its configuration
// (the first one it adds is the primary).
class MultiScreenPlayerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = new QTemporaryDir;
        const QString config = folder->filePath("screens.json");
        const auto screen = [](const char* name, QRect geometry) {
            return QJsonObject{{"name", name},
                               {"x", geometry.x()},
                               {"y", geometry.y()},
                               {"width", geometry.width()},
                               {"height", geometry.height()}};
        };
        QFile file(config);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(QJsonObject{{"screens", QJsonArray{screen("a", kPrimary),
                                                                    screen("b", kSecond)}}})
                       .toJson());
        file.close();
        platform = "offscreen:configfile=" + config.toStdString();
        argv[2] = platform.data();
        application = new QGuiApplication(argc, argv);
    }

    static void TearDownTestSuite()
    {
        delete application;
        delete folder;
    }

    static std::vector<QWindow*> blackWindows()
    {
        std::vector<QWindow*> found;
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            if (window->isVisible() && qobject_cast<BlankScreenWindow*>(window) != nullptr) {
                found.push_back(window);
            }
        }
        return found;
    }

    static void send(QWindow* window, QEvent&& event)
    {
        QCoreApplication::sendEvent(window, &event);
    }

    ProgramState state;
    PixelImage canvas{640, 480};

    static inline QTemporaryDir* folder = nullptr;
    static inline std::string platform;
    static inline char name[] = "MultiScreenPlayerTest";
    static inline char option[] = "-platform";
    static inline int argc = 3;
    static inline char* argv[] = {name, option, nullptr, nullptr};
    static inline QGuiApplication* application = nullptr;
};

TEST_F(MultiScreenPlayerTest, ShowPlaysOnThePrimaryAndTheOtherMonitorIsBlack)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), kPrimary);
    PlayerWindow player(state, PlayerWindow::Options{});

    player.begin(canvas);

    EXPECT_EQ(player.geometry(), kPrimary);
    EXPECT_EQ(player.canvasOrigin(), QPoint(640 - 320, 512 - 240));
    const std::vector<QWindow*> blacks = blackWindows();
    ASSERT_EQ(blacks.size(), 1u);
    EXPECT_EQ(blacks[0]->geometry(), kSecond);
    EXPECT_EQ(blacks[0]->screen()->geometry(), kSecond);
}

TEST_F(MultiScreenPlayerTest, KeyOnTheBlackMonitorEndsTheShow)
{
    PlayerWindow player(state, PlayerWindow::Options{});
    player.begin(canvas);
    player.armInput();
    ASSERT_EQ(blackWindows().size(), 1u);

    send(blackWindows()[0], QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));

    EXPECT_TRUE(state.stopRequested());
}

TEST_F(MultiScreenPlayerTest, MouseMoveOnTheBlackMonitorEndsTheShowButAMoveInPlaceDoesNot)
{
    PlayerWindow player(state, PlayerWindow::Options{});
    player.begin(canvas);
    player.armInput();
    ASSERT_EQ(blackWindows().size(), 1u);
    QWindow* black = blackWindows()[0];
    const QPoint still = QCursor::pos();

    send(black, QMouseEvent(QEvent::MouseMove, QPointF(3, 3), QPointF(still), Qt::NoButton,
                            Qt::NoButton, Qt::NoModifier));
    EXPECT_FALSE(state.stopRequested());

    send(black, QMouseEvent(QEvent::MouseMove, QPointF(3, 3), QPointF(still + QPoint(1, 0)),
                            Qt::NoButton, Qt::NoButton, Qt::NoModifier));
    EXPECT_TRUE(state.stopRequested());
}

TEST_F(MultiScreenPlayerTest, BlackWindowsGoWithThePlayer)
{
    {
        PlayerWindow player(state, PlayerWindow::Options{});
        player.begin(canvas);
        ASSERT_EQ(blackWindows().size(), 1u);
    }
    EXPECT_TRUE(blackWindows().empty());
}

}  // namespace
