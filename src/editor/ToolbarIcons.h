#pragma once

#include <QIcon>

// The toolbar's pictures and the program's icon, drawn in code so the program carries no
// image files of its own.
class ToolbarIcons {
public:
    enum class Picture { New, Open, Save, Create, Copy, Preview, Add, Delete };

    static QIcon icon(Picture picture);
    // A framed landscape: the window icon and the desktop entry's icon.
    static QImage applicationPicture(int size);
};
