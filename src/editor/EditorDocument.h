#pragma once

#include "document/EditableShow.h"
#include "document/ShowDocument.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

// The one show the editor holds: the record with its slides, the path list (entry i = image
// path of slide i; its current index is the current slide, -1 when empty), the canvas's inner
// size and background colour, and the BGM path. The widgets show it and forward their edits to
// it; every rule about the values (limits, the slides and paths kept together) lives here.
class EditorDocument : public QObject {
    Q_OBJECT
public:
    static constexpr qint32 kTimeMin = 1;
    static constexpr qint32 kTimeMax = 10000;
    static constexpr qint32 kPositionMin = -1000;
    static constexpr qint32 kPositionMax = 1000;
    // A new show's canvas: 254 x 254 outside its two-pixel border.
    static constexpr int kNewCanvasSide = 250;

    explicit EditorDocument(QObject* parent = nullptr);

    static qint32 clampedTime(qint64 time);
    static qint32 clampedPosition(qint64 position);

    const ShowDocument& record() const { return record_; }
    const QStringList& paths() const { return paths_; }
    int count() const { return static_cast<int>(paths_.size()); }
    int currentIndex() const { return current_; }
    // The current slide and its image path; nothing when the list is empty.
    const SlideItem* currentSlide() const;
    QString currentPath() const;
    QSize canvasSize() const { return canvas_; }
    quint32 backColor() const { return backColor_; }
    // The part of a slide's picture, in the picture's own coordinates, that lies on the canvas.
    QRect shownPart(const SlideItem& slide) const;
    const QString& bgmPath() const { return bgmPath_; }
    // The whole show with the canvas copied into the record (save, preview, build).
    EditableShow show() const;

    // How many more slides fit below the 16-bit limit.
    int room() const;
    // Appends one new slide with the defaults per path; paths beyond the room are not added.
    void add(const QStringList& paths);
    void remove(int index);
    void swap(int a, int b);
    // Makes slide `index` current (-1 for none) and says so, even when it already was.
    void setCurrentIndex(int index);
    // Delete all: no slides, the record emptied; canvas, colour and BGM path stay.
    void clearSlides();
    // New: as Delete all, and a black canvas of the new size without BGM.
    void reset();
    // Replaces the whole show; no slide is current afterwards.
    void load(const EditableShow& show);

    // Edits of the current slide; without one they change nothing.
    void setDisplayTime(qint64 time);
    void setPosition(qint64 x, qint64 y);
    void setPosX(qint64 x);
    void setPosY(qint64 y);
    void setEffectNumber(qint32 effect);
    void setSpeedIndex(qint32 speed);
    void setSoundPath(const QString& path);
    void setKeepPrevious(bool keep);
    void setTransparent(bool transparent);
    // Stores a position as it is, outside the panel's limits too (centring every slide).
    void placeSlide(int index, QPoint position);
    // Writes into every slide in index order.
    void applyToAll(const std::function<void(SlideItem&)>& write);

    void setCanvasSize(QSize innerSize);
    void setBackColor(quint32 colour);
    void setBgmPath(const QString& path);
    // The record's canvas fields are copies of the canvas, taken before a preview or a build.
    void copyCanvasIntoRecord();

Q_SIGNALS:
    void currentChanged(int index);
    void slideEdited(int index);
    void canvasSizeChanged(QSize innerSize);
    // The canvas takes the colour and is cleared, even when the colour is the same.
    void backColorChanged(quint32 colour);
    void bgmPathChanged(const QString& path);

private:
    // Runs `edit` on the current slide and reports it when it changed anything.
    void editCurrent(const std::function<void(SlideItem&)>& edit);
    void updateCount();

    ShowDocument record_;
    QStringList paths_;
    int current_ = -1;
    QSize canvas_{kNewCanvasSide, kNewCanvasSide};
    quint32 backColor_ = 0;
    QString bgmPath_;
};
