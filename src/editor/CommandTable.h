#pragma once

#include "editor/ToolbarIcons.h"

#include <QList>

#include <optional>

class EditorDocument;
class MainCommands;
class QMainWindow;
class QWidget;

// Every menu, menu item, rule and toolbar button of the main window, in order, in one table:
// name, text, shortcut, picture, enabling rule and handler. The menus and the toolbar are
// built from it and nothing is looked up by name afterwards.
class CommandTable {
public:
    static constexpr int kButtonSize = 25;

    struct Entry {
        enum class Kind { Menu, Item, Rule, Button };
        using Handler = void (MainCommands::*)();
        // When not null, the item's state is set from it each time its menu opens, and only
        // then.
        using MenuRule = bool (*)(const EditorDocument&);

        Kind kind = Kind::Rule;
        const char* name = nullptr;
        const char* text = nullptr;      // caption, or a button's tool tip
        const char* shortcut = nullptr;  // items only
        Handler handler = nullptr;       // items and buttons
        MenuRule enabledWhenMenuOpens = nullptr;
        int left = 0;                                  // buttons only
        std::optional<ToolbarIcons::Picture> picture;  // buttons only
        const char* caption = nullptr;                 // buttons without a picture
    };

    static const QList<Entry>& entries();
    // From the toolbar's left edge to the right edge of its last button.
    static int toolbarWidth();

    // Builds the menu bar of `window` and the toolbar buttons into `toolbar`, each running its
    // handler on `commands`. A table that names something twice or lacks a handler stops a
    // debug build here.
    static void build(QMainWindow& window, QWidget& toolbar, MainCommands& commands);
};
