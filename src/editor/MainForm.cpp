#include "editor/MainForm.h"

#include "dialogs/FileQuestions.h"
#include "editor/ApplyToAllCommands.h"
#include "editor/CanvasPicture.h"
#include "editor/CanvasPictureCache.h"
#include "editor/CanvasPositioner.h"
#include "editor/DialogCommands.h"
#include "editor/FileCommands.h"
#include "editor/MainLayout.h"
#include "editor/MainMenus.h"
#include "editor/MainToolbar.h"
#include "editor/PropertyPanel.h"
#include "editor/ShowCommands.h"
#include "editor/SlideListCommands.h"
#include "editor/ThumbnailCache.h"
#include "editor/ThumbnailFrame.h"
#include "editor/ThumbnailStrip.h"
#include "editor/ToolbarIcons.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>

#include <algorithm>

namespace {

constexpr int kBgmButtonTop = 24;
constexpr int kBgmButtonWidth = 41;
constexpr int kBgmButtonHeight = 23;
constexpr int kBgmCaptionTop = 30;
constexpr int kBoxHeight = 20;
constexpr int kIconSize = 64;

}  // namespace

MainForm::MainForm(FileQuestions& questions, Prompter& prompter, QString applicationFolder,
                   QString tempFolder, QWidget* parent)
    : QMainWindow(parent),
      questions_(questions),
      prompter_(prompter),
      applicationFolder_(std::move(applicationFolder)),
      tempFolder_(std::move(tempFolder)),
      thumbnails_(std::make_unique<ThumbnailCache>()),
      canvasPictures_(std::make_unique<CanvasPictureCache>()),
      layout_(std::make_unique<MainLayout>(*this)),
      slideCommands_(std::make_unique<SlideListCommands>(*this)),
      fileCommands_(std::make_unique<FileCommands>(*this)),
      showCommands_(std::make_unique<ShowCommands>(*this)),
      dialogCommands_(std::make_unique<DialogCommands>(*this))
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("クレモア"));
    setWindowIcon(QPixmap::fromImage(ToolbarIcons::applicationPicture(kIconSize)));
    menufile_ = MainMenus::build(*this);
    buildWidgets();
    connectCommands();
    // These connect themselves to the canvas and to their menu items.
    positioner_ = std::make_unique<CanvasPositioner>(*this);
    applyToAll_ = std::make_unique<ApplyToAllCommands>(*this);
    statusBar();
    // The menu shortcuts must reach their items even from a text box, which would otherwise
    // take Ctrl+C, Ctrl+A and the like for itself.
    QApplication::instance()->installEventFilter(this);
    resize(kInnerWidth,
           kInnerHeight + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    centralWidget()->resize(kInnerWidth, kInnerHeight);
    Form_Resize();
}

MainForm::~MainForm()
{
    QApplication::instance()->removeEventFilter(this);
    // The widgets go first, while the commands and caches they call into still exist.
    delete takeCentralWidget();
}

void MainForm::buildWidgets()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    client->installEventFilter(this);
    MainToolbar::build(*client);

    auto* bgmCaption = new QLabel(QStringLiteral("BGM"), client);
    bgmCaption->move(0, kBgmCaptionTop);
    Label3 = new QLineEdit(client);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(0, MainLayout::kBgmBoxTop, kInnerWidth / 2, kBoxHeight);
    Command9 = new QPushButton(QStringLiteral("参照"), client);
    Command9->setObjectName(QStringLiteral("Command9"));
    Command9->setGeometry(Label3->width() - kBgmButtonWidth, kBgmButtonTop, kBgmButtonWidth,
                          kBgmButtonHeight);

    panel = new PropertyPanel(document_, questions_, client);
    panel->move(kInnerWidth - panel->width(), MainLayout::kPanelTop);

    MainView = new QWidget(client);
    MainView->setObjectName(QStringLiteral("MainView"));
    MainView->move(0, MainLayout::kViewTop);
    MainPicture = new CanvasPicture(MainView);
    HScroll1 = new QScrollBar(Qt::Horizontal, client);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->resize(HScroll1->width(), MainLayout::kPanScrollThickness);
    VScroll1 = new QScrollBar(Qt::Vertical, client);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setGeometry(0, MainLayout::kViewTop, MainLayout::kPanScrollThickness,
                          VScroll1->height());
    // The values run from 0 down to view - canvas; moving a thumb right or down shows the
    // canvas's right or bottom part.
    for (QScrollBar* bar : {HScroll1, VScroll1}) {
        bar->setInvertedAppearance(true);
        bar->setInvertedControls(true);
        bar->setRange(0, 0);
    }

    sclImage = new QScrollBar(Qt::Horizontal, client);
    sclImage->setObjectName(QStringLiteral("sclImage"));
    sclImage->setGeometry(0, kInnerHeight - MainLayout::kStripScrollHeight, kInnerWidth,
                          MainLayout::kStripScrollHeight);
    sclImage->setRange(0, 0);
    picImage = new ThumbnailStrip(*thumbnails_, *sclImage, client);
    picImage->setGeometry(0, sclImage->y() - MainLayout::kStripHeight, kInnerWidth,
                          MainLayout::kStripHeight);
}

void MainForm::connectAction(const char* name, const std::function<void()>& handler)
{
    if (auto* action = findChild<QAction*>(QString::fromLatin1(name))) {
        connect(action, &QAction::triggered, this, handler);
    }
}

void MainForm::connectButton(const char* name, const std::function<void()>& handler)
{
    if (auto* button = findChild<QAbstractButton*>(QString::fromLatin1(name))) {
        connect(button, &QAbstractButton::clicked, this, handler);
    }
}

void MainForm::connectCommands()
{
    FileCommands& files = *fileCommands_;
    SlideListCommands& slides = *slideCommands_;
    ShowCommands& show = *showCommands_;
    DialogCommands& dialogs = *dialogCommands_;
    connect(menufile_, &QMenu::aboutToShow, this, &MainForm::menufile_AboutToShow);

    const auto newShow = [&files] { files.menusinki_Click(); };
    const auto open = [&files] { files.menuOpen_Click(); };
    const auto save = [&files] { files.menuSaveData_Click(); };
    const auto copy = [&slides] { slides.menucopy_Click(); };
    const auto up = [&slides] { slides.menuup_Click(); };
    const auto down = [&slides] { slides.menudown_Click(); };
    const auto add = [&slides] { slides.menuadd_Click(); };
    const auto remove = [&slides] { slides.menudelete_Click(); };
    connectAction("menusinki", newShow);
    connectAction("menuOpen", open);
    connectAction("menuSaveData", save);
    connectAction("menuend", [&files] { files.menuend_Click(); });
    connectAction("menuSave", [&show] { show.menuSave_Click(); });
    connectAction("menupreview", [&show] { show.menupreview_Click(); });
    connectAction("menucopy", copy);
    connectAction("menusize", [&dialogs] { dialogs.menusize_Click(); });
    connectAction("menucolor", [&dialogs] { dialogs.menucolor_Click(); });
    connectAction("menuhow", [&dialogs] { dialogs.menuhow_Click(); });
    connectAction("menuabout", [&dialogs] { dialogs.menuabout_Click(); });
    connectAction("menuup", up);
    connectAction("menudown", down);
    connectAction("menuadd", add);
    connectAction("menuClone", [&slides] { slides.menuClone_Click(); });
    connectAction("menudelete", remove);
    connectAction("menualldelete", [&slides] { slides.menualldelete_Click(); });
    connectButton("Command1", newShow);
    connectButton("Command11", open);
    connectButton("Command10", save);
    connectButton("Command2", [&show] { show.Command2_Click(); });
    connectButton("Command3", copy);
    connectButton("Command4", [&show] { show.Command4_Click(); });
    connectButton("Command5", up);
    connectButton("Command6", down);
    connectButton("Command7", add);
    connectButton("Command8", remove);
    connect(Command9, &QPushButton::clicked, this, &MainForm::Command9_Click);

    connect(picImage, &ThumbnailStrip::framePressed, this,
            [&slides](int j) { slides.picFrame_MouseDown(j); });
    connect(picImage, &ThumbnailStrip::frameMoved, this,
            [&slides](int j) { slides.picFrame_MouseMove(j); });
    connect(picImage, &ThumbnailStrip::frameReleased, this,
            [&slides](int j) { slides.picFrame_MouseUp(j); });
    connect(picImage, &ThumbnailStrip::frameDropped, this,
            [&slides](int source, int target) { slides.picFrame_DragDrop(source, target); });
    connect(picImage, &ThumbnailStrip::filesDropped, this,
            [&slides](const QStringList& paths) { slides.picImage_OLEDragDrop(paths); });
    connect(picImage, &ThumbnailStrip::undecodable, this, &MainForm::reportUndecodable);
    connect(sclImage, &QScrollBar::valueChanged, this,
            [this](int value) { RefreshThumbnails(static_cast<qint16>(value), true); });
    connect(HScroll1, &QScrollBar::valueChanged, this,
            [this](int value) { MainPicture->move(value, MainPicture->y()); });
    connect(VScroll1, &QScrollBar::valueChanged, this,
            [this](int value) { MainPicture->move(MainPicture->x(), value); });
}

void MainForm::menufile_AboutToShow()
{
    const bool any = document_.count() > 0;
    for (const char* name : {"menuSave", "menuSaveData"}) {
        if (auto* action = findChild<QAction*>(QString::fromLatin1(name))) {
            action->setEnabled(any);
        }
    }
}

void MainForm::Command9_Click()
{
    Label3->setText(questions_.AskBgmFile());
}

bool MainForm::isMenuShortcut(const QKeyEvent& key) const
{
    const QKeySequence pressed(key.keyCombination());
    const QList<QAction*> items = actions();
    return std::any_of(items.begin(), items.end(), [&pressed](const QAction* item) {
        return item->isEnabled() && !item->shortcut().isEmpty() && item->shortcut() == pressed;
    });
}

bool MainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget != this && widget->window() == this &&
            isMenuShortcut(*static_cast<QKeyEvent*>(event))) {
            // Refusing the override hands the key to the menu item's shortcut.
            event->ignore();
            return true;
        }
    }
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        Form_Resize();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::Form_Load(const QString& commandLine)
{
    panel->Combo1->setCurrentIndex(0);
    panel->Combo2->setCurrentIndex(0);
    if (!commandLine.isEmpty() && QFileInfo(commandLine).isFile()) {
        OpenWorkSpace(commandLine);
    }
}

void MainForm::OpenWorkSpace(const QString& path)
{
    fileCommands_->OpenWorkSpace(path);
}

void MainForm::List1_Click()
{
    slideCommands_->List1_Click();
}

void MainForm::Form_Resize()
{
    layout_->Form_Resize();
}

void MainForm::RefreshThumbnails(qint16 first, bool removeSurplus)
{
    picImage->refresh(document_.List1, document_.ListIndex, first, removeSurplus);
}

void MainForm::AddImages(const QString& spec)
{
    slideCommands_->AddImages(spec);
}

void MainForm::setCurrentIndex(int index)
{
    // Files named earlier may be gone from view; showing the slide names them again.
    statusBar()->clearMessage();
    document_.ListIndex = index >= 0 && index < document_.count() ? index : -1;
    if (document_.ListIndex >= 0) {
        List1_Click();
    }
}

EditableShow MainForm::currentShow() const
{
    EditableShow show;
    show.document = document_.record;
    show.imagePaths = document_.List1;
    show.bgmPath = Label3->text();
    show.canvasWidth = MainPicture->innerWidth();
    show.canvasHeight = MainPicture->innerHeight();
    show.backColor = MainPicture->backColor();
    show.document.CanvasWidth = show.canvasWidth;
    show.document.CanvasHeight = show.canvasHeight;
    show.document.BackColor = show.backColor;
    return show;
}

void MainForm::reportUndecodable(const QString& path)
{
    statusBar()->showMessage(path + QStringLiteral(" を表示できません"));
}
