#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class EditorDocument;
class EditorView;
class FileQuestions;
class Prompter;

// The operations on the list of slides: add (dialog, duplicate, files dropped), copy the
// canvas, delete one or all, move one place, and select or swap slides through the thumbnail
// frames. Each changes the document and then asks the view to redraw what changed.
class SlideListCommands {
public:
    static constexpr qint16 kTrue = -1;
    static inline const QString kTooManyTitle = QStringLiteral("イメージの追加");

    SlideListCommands(EditorDocument& document, EditorView& view, FileQuestions& questions,
                      Prompter& prompter);

    // One full path, or a folder followed by file names, separated by NUL characters.
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
    qint16 scrollValue() const;

    EditorDocument& document_;
    EditorView& view_;
    FileQuestions& questions_;
    Prompter& prompter_;
};
