#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <optional>

class MainForm;

// Places the selected slide's image on the canvas: by dragging it with any mouse button, or
// with "中央に表示(&C)" (`menucenter`) and "すべて中央に表示(&S)" (`manuallcenter`). The selected
// slide's position always goes through the panel's position boxes, which clamp and store it.
// On construction it connects itself to the canvas's mouse signals and to the two menu items;
// the window only keeps it alive.
class CanvasPositioner {
public:
    static constexpr qint16 kDragging = -1;

    explicit CanvasPositioner(MainForm& form);

    void MainPicture_MouseDown(QPoint position);
    void MainPicture_MouseMove(QPoint position);
    void MainPicture_MouseUp();
    void menucenter_Click();
    void manuallcenter_Click();

    qint16 IsDragging = 0;
    QImage DragPicture;  // the selected slide's picture, held while a drag lasts
    qint32 LastMouseX = 0;
    qint32 LastMouseY = 0;

private:
    void connectSignals();
    // The position that centres a picture of `size` on the canvas, one pixel up and left of
    // the exact centre.
    QPoint centredPosition(QSize size) const;
    // The picture's size in pixels as it is shown (orientation applied), or nothing when the
    // file cannot be read as a picture; that file is then named in the status bar.
    std::optional<QSize> pictureSize(const QString& path) const;
    // Writes a position into the panel's boxes, whose change handlers clamp and store it.
    void writePositionBoxes(qint32 x, qint32 y);

    MainForm& form_;
};
