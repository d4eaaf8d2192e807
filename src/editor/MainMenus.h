#pragma once

class QMainWindow;
class QMenu;

// The main window's menu bar. Every item is a QAction named after its menu item
// (`menusinki`, `menuOpen`, ...), found with findChild<QAction*>(name); the handlers are
// connected by their owners.
class MainMenus {
public:
    // Builds the menus into the window's menu bar and returns the File menu.
    static QMenu* build(QMainWindow& window);
};
