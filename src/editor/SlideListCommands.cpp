#include "editor/SlideListCommands.h"

#include "dialogs/FileQuestions.h"
#include "document/Prompter.h"
#include "editor/EditorDocument.h"
#include "editor/EditorView.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

namespace {

const QChar kNul(u'\0');
constexpr int kExtensionLength = 3;

bool isSeparator(QChar c)
{
    return c == u'/' || c == QDir::separator();
}

}  // namespace

SlideListCommands::SlideListCommands(EditorDocument& document, EditorView& view,
                                     FileQuestions& questions, Prompter& prompter)
    : document_(document), view_(view), questions_(questions), prompter_(prompter)
{}

qint16 SlideListCommands::scrollValue() const
{
    return static_cast<qint16>(view_.stripScrollValue());
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

    const int room = document_.room();
    if (files.size() > room) {
        prompter_.tell(QStringLiteral("イメージは %1 枚までです。%2 個のファイルは追加されません。")
                           .arg(ShowDocument::kMaxSlides)
                           .arg(files.size() - room),
                       kTooManyTitle, Prompter::Icon::Warning);
        files = files.mid(0, room);
    }
    if (files.isEmpty()) {
        return;
    }
    document_.add(files);
    document_.setCurrentIndex(document_.count() - 1);
    view_.RefreshThumbnails(scrollValue(), false);
}

void SlideListCommands::menuadd_Click()
{
    AddImages(questions_.AskImageFiles());
}

void SlideListCommands::menuClone_Click()
{
    AddImages(document_.currentPath());
}

void SlideListCommands::menucopy_Click()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(view_.canvasPicture());
}

void SlideListCommands::menudelete_Click()
{
    const int count = document_.count();
    const int index = document_.currentIndex();
    if (count == 0 || index < 0) {
        return;
    }
    document_.remove(index);
    document_.setCurrentIndex(index < count - 1 ? index : index - 1);
    if (document_.count() == 0) {
        view_.clearCanvas();
    }
    view_.RefreshThumbnails(scrollValue(), true);
}

void SlideListCommands::menualldelete_Click()
{
    document_.clearSlides();
    view_.resetPanelNumbers();
    view_.RefreshThumbnails(scrollValue(), true);
    view_.clearCanvas();
}

void SlideListCommands::menuup_Click()
{
    const int index = document_.currentIndex();
    if (index <= 0) {
        return;
    }
    document_.swap(index, index - 1);
    document_.setCurrentIndex(index - 1);
    view_.RefreshThumbnails(scrollValue(), true);
}

void SlideListCommands::menudown_Click()
{
    const int index = document_.currentIndex();
    if (index < 0 || index >= document_.count() - 1) {
        return;
    }
    document_.swap(index, index + 1);
    document_.setCurrentIndex(index + 1);
    view_.RefreshThumbnails(scrollValue(), true);
}

void SlideListCommands::picFrame_MouseDown(int j)
{
    const int index = scrollValue() + j;
    if (index >= 0 && index < document_.count()) {
        document_.setCurrentIndex(index);
    }
    DragArmed = kTrue;
}

void SlideListCommands::picFrame_MouseMove(int j)
{
    const bool armed = DragArmed != 0;
    DragArmed = 0;
    if (armed) {
        view_.startFrameDrag(j);
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
    const int count = document_.count();
    if (source == target || to < 0 || from < 0 || to >= count || from >= count) {
        return;
    }
    document_.swap(to, from);
    document_.setCurrentIndex(to);
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
