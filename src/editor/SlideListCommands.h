#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class MainForm;

// The operations on the list of slides: select, add (dialog, duplicate, files dropped), copy
// the canvas, delete one or all, move one place, and swap two slides by dragging one
// thumbnail onto another. Each changes the path list and the slides together and then redraws
// what changed.
class SlideListCommands {
public:
    static constexpr qint16 kTrue = -1;
    static inline const QString kTooManyTitle = QStringLiteral("イメージの追加");

    explicit SlideListCommands(MainForm& form);

    void List1_Click();
    void AddImages(const QString& spec);

    void menuadd_Click();
    void menuClone_Click();
    void menucopy_Click();
    void menudelete_Click();
    void menualldelete_Click();
    void menuup_Click();
    void menudown_Click();

    // Thumbnail frame j: press, move, release, and frame `source` dropped on frame `target`.
    void picFrame_MouseDown(int j);
    void picFrame_MouseMove(int j);
    void picFrame_MouseUp(int j);
    void picFrame_DragDrop(int source, int target);
    // Files dropped on the strip or a frame: bitmaps and JPEGs are added, others ignored.
    void picImage_OLEDragDrop(const QStringList& paths);

    qint16 DragArmed = 0;

private:
    int scrollValue() const;
    void exchange(int a, int b);

    MainForm& form_;
};
