#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <optional>

class EditorDocument;
class EditorView;
class PictureLoader;

// Places the current slide's picture on the canvas: by dragging it with any mouse button, or
// with "中央に表示(&C)" (`menucenter`) and "すべて中央に表示(&S)" (`manuallcenter`). The current
// slide's position always stays within the panel's limits; only centring every slide stores
// the others' exact positions.
class CanvasPositioner : public QObject {
    Q_OBJECT
public:
    static constexpr qint16 kDragging = -1;

    CanvasPositioner(EditorDocument& document, EditorView& view, PictureLoader& pictures);

    void MainPicture_MouseDown(QPoint position);
    void MainPicture_MouseMove(QPoint position);
    void MainPicture_MouseUp();
    void menucenter_Click();
    void manuallcenter_Click();

    qint16 IsDragging = 0;
    // The current slide's picture, held while a drag lasts. Until the whole picture is decoded
    // it is the part the canvas showed, which starts at `DragPictureOffset` of the picture.
    QImage DragPicture;
    QPoint DragPictureOffset;
    qint32 LastMouseX = 0;
    qint32 LastMouseY = 0;

private:
    void wholeArrived(const QString& path, const QImage& picture);
    void paintDragged();
    // The position that centres a picture of `size` on the canvas, one pixel up and left of
    // the exact centre.
    QPoint centredPosition(QSize size) const;
    // The picture's size in pixels as it is shown (orientation applied), read from the file's
    // header, or nothing when the file cannot be read as a picture; that file is then named.
    std::optional<QSize> pictureSize(const QString& path) const;

    EditorDocument& document_;
    EditorView& view_;
    PictureLoader& pictures_;
    QString draggedPath_;
    bool dragMoved_ = false;
};
