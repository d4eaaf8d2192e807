#pragma once

#include "editor/EditorDocument.h"
#include "editor/EditorView.h"
#include "editor/PictureLoader.h"
#include "effects/ProgramState.h"

#include <QMainWindow>

#include <memory>

class CanvasPicture;
class CanvasPresenter;
class DecodeRunner;
class DescendingScrollBar;
class FileQuestions;
class MainCommands;
class MainLayout;
class Prompter;
class PropertyPanel;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QScrollBar;
class ThumbnailStrip;
class WindowPlacement;

// The main window "クレモア". It owns the one show and shows it: the canvas, the property
// panel, the BGM path box and the thumbnail strip follow the document, and the commands of its
// menus and toolbar (built from one table) change the document and ask this window to redraw.
class MainForm : public QMainWindow, public EditorView {
    Q_OBJECT
public:
    static constexpr int kInnerWidth = 586;
    static constexpr int kInnerHeight = 442;

    // Without a runner, pictures are decoded on a thread pool of the window's own. With a
    // placement, the window opens where it was last closed and remembers where it is closed.
    MainForm(FileQuestions& questions, Prompter& prompter, QString applicationFolder,
             QString tempFolder, std::unique_ptr<DecodeRunner> runner = nullptr,
             WindowPlacement* placement = nullptr);
    ~MainForm() override;

    EditorDocument& document() { return document_; }
    PictureLoader& pictures() { return pictures_; }
    MainCommands& commands() { return *commands_; }
    // The folder of the program's files (Project.krt, scricon.ico, the manual).
    const QString& applicationFolder() const { return applicationFolder_; }
    // The system's temporary folder, ending in a separator.
    const QString& TempFolder() const { return tempFolder_; }

    // The load step: the effect and speed lists at their first entries, then the workspace
    // named by the command line when it names an existing file.
    void Form_Load(const QString& commandLine);
    void OpenWorkSpace(const QString& path);
    void AddImages(const QString& spec);

    void List1_Click() override;
    void RefreshThumbnails(qint16 first, bool removeSurplus) override;
    int stripScrollValue() const override;
    void Form_Resize() override;
    void clearCanvas() override;
    void placeCanvas(QPoint position) override;
    void showDraggedPicture(const QImage& picture, QPoint position) override;
    QImage canvasPicture() override;
    void resetPanelNumbers() override;
    void selectFirstEffect() override;
    void startFrameDrag(int j) override;
    void reportUndecodable(const QString& path) override;
    QWidget* dialogOwner() override;
    void closeWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWidgets();
    void connectDocument();
    void connectControls();
    void currentChanged(int index);
    bool isMenuShortcut(const QKeyEvent& key) const;

    FileQuestions& questions_;
    Prompter& prompter_;
    const QString applicationFolder_;
    const QString tempFolder_;
    WindowPlacement* placement_;
    EditorDocument document_;
    ProgramState state_;
    PictureLoader pictures_;
    std::unique_ptr<MainCommands> commands_;

    // The controls, children of this window, named as the program's handlers know them.
    QWidget* client_ = nullptr;
    QWidget* MainView = nullptr;
    CanvasPicture* MainPicture = nullptr;
    DescendingScrollBar* HScroll1 = nullptr;
    DescendingScrollBar* VScroll1 = nullptr;
    QLineEdit* Label3 = nullptr;
    QPushButton* Command9 = nullptr;
    PropertyPanel* panel = nullptr;
    ThumbnailStrip* picImage = nullptr;
    QScrollBar* sclImage = nullptr;

    std::unique_ptr<CanvasPresenter> canvasPresenter_;
    std::unique_ptr<MainLayout> layout_;
};
