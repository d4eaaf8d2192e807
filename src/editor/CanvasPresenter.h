#pragma once

#include "editor/PictureLoader.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>

class CanvasPicture;

// Puts slide pictures on the canvas without waiting for them: a picture still on its way leaves
// the background with the file's name, and is painted when it arrives, unless the canvas has
// been cleared or given another picture meanwhile.
class CanvasPresenter : public QObject {
    Q_OBJECT
public:
    CanvasPresenter(CanvasPicture& canvas, PictureLoader& pictures,
                    std::function<void(const QString&)> reportUndecodable);

    // Clears the canvas and paints the part `area` of the picture in `path`, whose top-left
    // corner lies at `position`.
    void showPicture(const QString& path, QPoint position, const QRect& area);
    void clear();
    void setBackColor(quint32 colour);
    // Clears the canvas and paints `picture` at `position`.
    void showDragged(const QImage& picture, QPoint position);
    // The canvas's picture, once a picture still on its way has been decoded and painted.
    QImage finishedPicture();

private:
    struct Waiting {
        QString path;
        QRect area;
        QPoint position;
    };

    void partArrived(const QString& path, const QRect& area);
    void paint(const Waiting& shown, const PictureLoader::CanvasPart& part);

    CanvasPicture& canvas_;
    PictureLoader& pictures_;
    std::function<void(const QString&)> reportUndecodable_;
    std::optional<Waiting> waiting_;
};
