#pragma once

#include "document/EditableShow.h"
#include "editor/EditorDocument.h"
#include "effects/ProgramState.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class ApplyToAllCommands;
class CanvasPicture;
class CanvasPictureCache;
class CanvasPositioner;
class DialogCommands;
class FileCommands;
class FileQuestions;
class MainLayout;
class Prompter;
class PropertyPanel;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class ShowCommands;
class SlideListCommands;
class ThumbnailCache;
class ThumbnailStrip;

// The main window "クレモア". It owns the one show (the document plus the canvas and the BGM
// path box) and the widgets; the commands, the slide list, the layout and the strip live in
// classes of their own that share the show through this window.
class MainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kInnerWidth = 586;
    static constexpr int kInnerHeight = 442;

    MainForm(FileQuestions& questions, Prompter& prompter, QString applicationFolder,
             QString tempFolder, QWidget* parent = nullptr);
    ~MainForm() override;

    EditorDocument& document() { return document_; }
    ProgramState& state() { return state_; }
    FileQuestions& questions() { return questions_; }
    Prompter& prompter() { return prompter_; }
    // The folder of the program's files (Project.krt, scricon.ico, the manual).
    const QString& applicationFolder() const { return applicationFolder_; }
    // The system's temporary folder, ending in a separator.
    const QString& TempFolder() const { return tempFolder_; }

    // The load step: the effect and speed lists at their first entries, then the workspace
    // named by the command line when it names an existing file.
    void Form_Load(const QString& commandLine);
    void OpenWorkSpace(const QString& path);
    // Shows the current slide again: canvas, property panel and strip.
    void List1_Click();
    void Form_Resize();
    void RefreshThumbnails(qint16 first, bool removeSurplus);
    void AddImages(const QString& spec);
    // Makes slide `index` current and shows it; -1 leaves no slide current.
    void setCurrentIndex(int index);
    // The show as plain values, with the canvas and the BGM path (save, preview, build).
    EditableShow currentShow() const;
    // Names, in the status bar, an image file that could not be shown.
    void reportUndecodable(const QString& path);

    FileCommands& fileCommands() { return *fileCommands_; }
    SlideListCommands& slideCommands() { return *slideCommands_; }
    CanvasPictureCache& canvasPictures() { return *canvasPictures_; }

    QWidget* MainView = nullptr;
    CanvasPicture* MainPicture = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QLineEdit* Label3 = nullptr;
    QPushButton* Command9 = nullptr;
    PropertyPanel* panel = nullptr;
    ThumbnailStrip* picImage = nullptr;
    QScrollBar* sclImage = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    void connectCommands();
    void connectAction(const char* name, const std::function<void()>& handler);
    void connectButton(const char* name, const std::function<void()>& handler);
    void menufile_AboutToShow();
    bool isMenuShortcut(const QKeyEvent& key) const;
    void Command9_Click();

    FileQuestions& questions_;
    Prompter& prompter_;
    const QString applicationFolder_;
    const QString tempFolder_;
    EditorDocument document_;
    ProgramState state_;
    std::unique_ptr<ThumbnailCache> thumbnails_;
    std::unique_ptr<CanvasPictureCache> canvasPictures_;
    std::unique_ptr<MainLayout> layout_;
    std::unique_ptr<SlideListCommands> slideCommands_;
    std::unique_ptr<FileCommands> fileCommands_;
    std::unique_ptr<ShowCommands> showCommands_;
    std::unique_ptr<DialogCommands> dialogCommands_;
    std::unique_ptr<CanvasPositioner> positioner_;
    std::unique_ptr<ApplyToAllCommands> applyToAll_;
    QMenu* menufile_ = nullptr;
};
