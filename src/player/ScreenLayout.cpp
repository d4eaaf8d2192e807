#include "player/ScreenLayout.h"

#include <QGuiApplication>
#include <QScreen>

#include <utility>

ScreenLayout::ScreenLayout(QList<Screen> screens, int primary)
    : screens_(std::move(screens)), primary_(primary)
{}

ScreenLayout ScreenLayout::current()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    QList<Screen> list;
    for (QScreen* screen : screens) {
        const QList<QScreen*> siblings = screen->virtualSiblings();
        const int desktop =
            siblings.isEmpty() ? int(list.size()) : int(screens.indexOf(siblings.first()));
        list.append(Screen{screen->geometry(), desktop});
    }
    return ScreenLayout(list, int(screens.indexOf(QGuiApplication::primaryScreen())));
}

QList<int> ScreenLayout::blankScreens() const
{
    QList<int> covered;
    if (primary_ >= 0 && primary_ < screens_.size()) {
        covered.append(primary_);
    }
    QList<int> blanks;
    for (int i = 0; i < screens_.size(); ++i) {
        if (i != primary_ && !insideAnother(i, covered)) {
            blanks.append(i);
            covered.append(i);
        }
    }
    return blanks;
}

bool ScreenLayout::insideAnother(int index, const QList<int>& covered) const
{
    const Screen& screen = screens_[index];
    for (int other : covered) {
        if (screens_[other].desktop == screen.desktop &&
            screens_[other].geometry.contains(screen.geometry)) {
            return true;
        }
    }
    return false;
}

bool ScreenLayout::coversAScreen(QSize window) const
{
    for (const Screen& screen : screens_) {
        if (window.width() >= screen.geometry.width() &&
            window.height() >= screen.geometry.height()) {
            return true;
        }
    }
    return false;
}
