#include "editor/SlideListCommands.h"

#include "dialogs/FileQuestions.h"
#include "document/Prompter.h"
#include "editor/CanvasPicture.h"
#include "editor/CanvasPictureCache.h"
#include "editor/MainForm.h"
#include "editor/PropertyPanel.h"
#include "editor/ThumbnailFrame.h"
#include "editor/ThumbnailStrip.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QScrollBar>

namespace {

const QChar kNul(u'\0');
constexpr int kExtensionLength = 3;

bool isSeparator(QChar c)
{
    return c == u'/' || c == QDir::separator();
}

}  // namespace

SlideListCommands::SlideListCommands(MainForm& form) : form_(form) {}

int SlideListCommands::scrollValue() const
{
    return form_.sclImage->value();
}

void SlideListCommands::List1_Click()
{
    EditorDocument& document = form_.document();
    SlideItem* slide = document.selectedSlide();
    if (slide == nullptr) {
        return;
    }
    CanvasPicture& canvas = *form_.MainPicture;
    canvas.clear();
    const QString& path = document.List1[document.ListIndex];
    const QRect area(-slide->PosX, -slide->PosY, canvas.innerWidth(), canvas.innerHeight());
    if (const auto piece = form_.canvasPictures().visiblePart(path, area)) {
        if (!piece->picture.isNull()) {
            canvas.paintPicture(piece->picture, slide->PosX + piece->offset.x(),
                                slide->PosY + piece->offset.y());
        }
    } else {
        form_.reportUndecodable(path);
    }
    // Filling the panel runs its change handlers, which store the values back.
    form_.panel->fillFromSlide(SlideItem(*slide));
    form_.RefreshThumbnails(static_cast<qint16>(scrollValue()), true);
}

void SlideListCommands::AddImages(const QString& spec)
{
    if (spec.isEmpty()) {
        return;
    }
    const QStringList parts = spec.split(kNul, Qt::SkipEmptyParts);
    QStringList files;
    if (parts.size() > 1) {
        QString folder = parts.first();
        if (!isSeparator(folder.back())) {
            folder += QDir::separator();
        }
        for (qsizetype i = 1; i < parts.size(); ++i) {
            files.append(folder + parts[i]);
        }
    } else {
        files = parts;
    }

    EditorDocument& document = form_.document();
    const qsizetype room = ShowDocument::kMaxSlides - document.count();
    if (files.size() > room) {
        form_.prompter().tell(
            QStringLiteral("イメージは %1 枚までです。%2 個のファイルは追加されません。")
                .arg(ShowDocument::kMaxSlides)
                .arg(files.size() - std::max<qsizetype>(room, 0)),
            kTooManyTitle, Prompter::Icon::Warning);
        files = files.mid(0, std::max<qsizetype>(room, 0));
    }
    if (files.isEmpty()) {
        return;
    }
    for (const QString& file : files) {
        document.List1.append(file);
        document.record.Slides.append(SlideItem());
    }
    document.record.SlideCount = static_cast<qint32>(document.count());
    form_.setCurrentIndex(document.count() - 1);
    form_.RefreshThumbnails(static_cast<qint16>(scrollValue()), false);
}

void SlideListCommands::menuadd_Click()
{
    AddImages(form_.questions().AskImageFiles());
}

void SlideListCommands::menuClone_Click()
{
    const EditorDocument& document = form_.document();
    if (document.ListIndex >= 0 && document.ListIndex < document.count()) {
        AddImages(document.List1[document.ListIndex]);
    }
}

void SlideListCommands::menucopy_Click()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(form_.MainPicture->image());
}

void SlideListCommands::menudelete_Click()
{
    EditorDocument& document = form_.document();
    const int count = document.count();
    const int index = document.ListIndex;
    if (count == 0 || index < 0 || index >= count) {
        return;
    }
    document.record.Slides.removeAt(index);
    document.record.SlideCount = count - 1;
    document.List1.removeAt(index);
    form_.setCurrentIndex(index < count - 1 ? index : index - 1);
    if (document.count() == 0) {
        form_.MainPicture->clear();
    }
    form_.RefreshThumbnails(static_cast<qint16>(scrollValue()), true);
}

void SlideListCommands::menualldelete_Click()
{
    EditorDocument& document = form_.document();
    document.List1.clear();
    form_.setCurrentIndex(-1);
    form_.panel->resetNumbers();
    document.record.reset();
    form_.RefreshThumbnails(static_cast<qint16>(scrollValue()), true);
    form_.MainPicture->clear();
}

void SlideListCommands::exchange(int a, int b)
{
    EditorDocument& document = form_.document();
    document.record.Slides.swapItemsAt(a, b);
    document.List1.swapItemsAt(a, b);
}

void SlideListCommands::menuup_Click()
{
    const EditorDocument& document = form_.document();
    const int index = document.ListIndex;
    if (document.count() == 0 || index <= 0 || index >= document.count()) {
        return;
    }
    exchange(index, index - 1);
    form_.setCurrentIndex(index - 1);
}

void SlideListCommands::menudown_Click()
{
    const EditorDocument& document = form_.document();
    const int index = document.ListIndex;
    if (document.count() == 0 || index < 0 || index >= document.count() - 1) {
        return;
    }
    exchange(index, index + 1);
    form_.setCurrentIndex(index + 1);
}

void SlideListCommands::picFrame_MouseDown(int j)
{
    const int index = scrollValue() + j;
    if (index >= 0 && index < form_.document().count()) {
        form_.setCurrentIndex(index);
    }
    DragArmed = kTrue;
}

void SlideListCommands::picFrame_MouseMove(int j)
{
    const bool armed = DragArmed != 0;
    DragArmed = 0;
    if (armed) {
        if (ThumbnailFrame* frame = form_.picImage->frame(j)) {
            frame->startDrag();
        }
    }
}

void SlideListCommands::picFrame_MouseUp(int)
{
    DragArmed = 0;
}

void SlideListCommands::picFrame_DragDrop(int source, int target)
{
    const int first = scrollValue();
    const int to = first + target;
    const int from = first + source;
    const int count = form_.document().count();
    if (source == target || to < 0 || from < 0 || to >= count || from >= count) {
        return;
    }
    exchange(to, from);
    form_.setCurrentIndex(to);
}

void SlideListCommands::picImage_OLEDragDrop(const QStringList& paths)
{
    for (const QString& path : paths) {
        const QString extension = path.right(kExtensionLength).toLower();
        if (extension == QLatin1String("bmp") || extension == QLatin1String("jpg")) {
            AddImages(path);
        }
    }
}
