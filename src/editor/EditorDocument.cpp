#include "editor/EditorDocument.h"

#include <algorithm>

EditorDocument::EditorDocument(QObject* parent) : QObject(parent) {}

qint32 EditorDocument::clampedTime(qint64 time)
{
    return static_cast<qint32>(std::clamp<qint64>(time, kTimeMin, kTimeMax));
}

qint32 EditorDocument::clampedPosition(qint64 position)
{
    return static_cast<qint32>(std::clamp<qint64>(position, kPositionMin, kPositionMax));
}

const SlideItem* EditorDocument::currentSlide() const
{
    return current_ >= 0 ? &record_.Slides[current_] : nullptr;
}

QString EditorDocument::currentPath() const
{
    return current_ >= 0 ? paths_[current_] : QString();
}

QRect EditorDocument::shownPart(const SlideItem& slide) const
{
    return QRect(QPoint(-slide.PosX, -slide.PosY), canvas_);
}

EditableShow EditorDocument::show() const
{
    EditableShow show;
    show.document = record_;
    show.imagePaths = paths_;
    show.bgmPath = bgmPath_;
    show.canvasWidth = canvas_.width();
    show.canvasHeight = canvas_.height();
    show.backColor = backColor_;
    show.document.CanvasWidth = show.canvasWidth;
    show.document.CanvasHeight = show.canvasHeight;
    show.document.BackColor = show.backColor;
    return show;
}

int EditorDocument::room() const
{
    return std::max(0, ShowDocument::kMaxSlides - count());
}

void EditorDocument::updateCount()
{
    record_.SlideCount = count();
}

void EditorDocument::add(const QStringList& paths)
{
    for (const QString& path : paths.mid(0, room())) {
        paths_.append(path);
        record_.Slides.append(SlideItem());
    }
    updateCount();
}

void EditorDocument::remove(int index)
{
    if (index < 0 || index >= count()) {
        return;
    }
    record_.Slides.removeAt(index);
    paths_.removeAt(index);
    updateCount();
    // The index stays valid; the caller chooses the slide to show next.
    current_ = std::min(current_, count() - 1);
}

void EditorDocument::swap(int a, int b)
{
    if (a < 0 || b < 0 || a >= count() || b >= count()) {
        return;
    }
    record_.Slides.swapItemsAt(a, b);
    paths_.swapItemsAt(a, b);
}

void EditorDocument::setCurrentIndex(int index)
{
    current_ = index >= 0 && index < count() ? index : -1;
    Q_EMIT currentChanged(current_);
}

void EditorDocument::clearSlides()
{
    paths_.clear();
    record_.reset();
    setCurrentIndex(-1);
}

void EditorDocument::reset()
{
    clearSlides();
    setBackColor(0);
    setCanvasSize(QSize(kNewCanvasSide, kNewCanvasSide));
    setBgmPath(QString());
}

void EditorDocument::load(const EditableShow& show)
{
    paths_.clear();
    current_ = -1;
    setBgmPath(show.bgmPath);
    record_ = ShowDocument();
    record_.BackColor = show.backColor;
    setBackColor(show.backColor);
    record_.CanvasHeight = show.canvasHeight;
    record_.CanvasWidth = show.canvasWidth;
    setCanvasSize(QSize(show.canvasWidth, show.canvasHeight));
    paths_ = show.imagePaths;
    // Only what the workspace keeps: the speed and the package-only fields start afresh.
    for (const SlideItem& saved : show.document.Slides.mid(0, paths_.size())) {
        SlideItem slide;
        slide.DisplayTime = saved.DisplayTime;
        slide.PosX = saved.PosX;
        slide.PosY = saved.PosY;
        slide.EffectNumber = saved.EffectNumber;
        slide.SoundPath = saved.SoundPath;
        slide.KeepPrevious = saved.KeepPrevious;
        slide.Transparent = saved.Transparent;
        record_.Slides.append(slide);
    }
    record_.Slides.resize(paths_.size());
    updateCount();
}

void EditorDocument::editCurrent(const std::function<void(SlideItem&)>& edit)
{
    if (current_ < 0) {
        return;
    }
    SlideItem& slide = record_.Slides[current_];
    const SlideItem before = slide;
    edit(slide);
    if (!(slide == before)) {
        Q_EMIT slideEdited(current_);
    }
}

void EditorDocument::setDisplayTime(qint64 time)
{
    editCurrent([time](SlideItem& slide) { slide.DisplayTime = clampedTime(time); });
}

void EditorDocument::setPosition(qint64 x, qint64 y)
{
    editCurrent([x, y](SlideItem& slide) {
        slide.PosX = clampedPosition(x);
        slide.PosY = clampedPosition(y);
    });
}

void EditorDocument::setPosX(qint64 x)
{
    editCurrent([x](SlideItem& slide) { slide.PosX = clampedPosition(x); });
}

void EditorDocument::setPosY(qint64 y)
{
    editCurrent([y](SlideItem& slide) { slide.PosY = clampedPosition(y); });
}

void EditorDocument::setEffectNumber(qint32 effect)
{
    editCurrent([effect](SlideItem& slide) { slide.EffectNumber = effect; });
}

void EditorDocument::setSpeedIndex(qint32 speed)
{
    editCurrent([speed](SlideItem& slide) { slide.SpeedIndex = speed; });
}

void EditorDocument::setSoundPath(const QString& path)
{
    editCurrent([&path](SlideItem& slide) { slide.SoundPath = path; });
}

void EditorDocument::setKeepPrevious(bool keep)
{
    editCurrent([keep](SlideItem& slide) { slide.KeepPrevious = keep ? 1 : 0; });
}

void EditorDocument::setTransparent(bool transparent)
{
    editCurrent([transparent](SlideItem& slide) { slide.Transparent = transparent ? 1 : 0; });
}

void EditorDocument::placeSlide(int index, QPoint position)
{
    if (index < 0 || index >= count()) {
        return;
    }
    SlideItem& slide = record_.Slides[index];
    if (slide.PosX != position.x() || slide.PosY != position.y()) {
        slide.PosX = position.x();
        slide.PosY = position.y();
        Q_EMIT slideEdited(index);
    }
}

void EditorDocument::applyToAll(const std::function<void(SlideItem&)>& write)
{
    for (int i = 0; i < count(); ++i) {
        SlideItem& slide = record_.Slides[i];
        const SlideItem before = slide;
        write(slide);
        if (!(slide == before)) {
            Q_EMIT slideEdited(i);
        }
    }
}

void EditorDocument::setCanvasSize(QSize innerSize)
{
    const QSize size = innerSize.expandedTo(QSize(0, 0));
    if (size != canvas_) {
        canvas_ = size;
        Q_EMIT canvasSizeChanged(canvas_);
    }
}

void EditorDocument::setBackColor(quint32 colour)
{
    backColor_ = colour;
    Q_EMIT backColorChanged(backColor_);
}

void EditorDocument::setBgmPath(const QString& path)
{
    if (path != bgmPath_) {
        bgmPath_ = path;
        Q_EMIT bgmPathChanged(bgmPath_);
    }
}

void EditorDocument::copyCanvasIntoRecord()
{
    record_.CanvasWidth = canvas_.width();
    record_.CanvasHeight = canvas_.height();
    record_.BackColor = backColor_;
}
