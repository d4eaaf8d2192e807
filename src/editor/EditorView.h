#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <QtGlobal>

class QWidget;

// What the editor's commands ask of the main window besides the document: the redraws that
// follow their edits, and the few things only the window has.
class EditorView {
public:
    virtual ~EditorView() = default;

    // `List1_Click`: shows the current slide again on the canvas, the panel and the strip.
    virtual void List1_Click() = 0;
    // Shows slides from `first` in the strip; `removeSurplus` allows destroying frames.
    virtual void RefreshThumbnails(qint16 first, bool removeSurplus) = 0;
    // The strip scroll bar's value: the slide shown in frame 0.
    virtual int stripScrollValue() const = 0;
    // `Form_Resize`: the window's arrangement for its current size.
    virtual void Form_Resize() = 0;

    virtual void clearCanvas() = 0;
    // Puts the canvas at `position` in its view (the layout may move it again).
    virtual void placeCanvas(QPoint position) = 0;
    // The canvas with only `picture` on the background, its top-left corner at `position`.
    virtual void showDraggedPicture(const QImage& picture, QPoint position) = 0;
    // What the canvas shows, complete: a picture still on its way is finished first.
    virtual QImage canvasPicture() = 0;

    // The display-time box and both position boxes to "0" (New, Delete all).
    virtual void resetPanelNumbers() = 0;
    // The first entry of the effect list (New).
    virtual void selectFirstEffect() = 0;
    // The outline of frame j follows the pointer until the button is released.
    virtual void startFrameDrag(int j) = 0;
    // Names a picture file that cannot be shown.
    virtual void reportUndecodable(const QString& path) = 0;

    // The window that owns the commands' dialogs.
    virtual QWidget* dialogOwner() = 0;
    virtual void closeWindow() = 0;
};
