#include "editor/MainForm.h"

#include "editor/CanvasPicture.h"
#include "editor/CanvasPresenter.h"
#include "editor/CommandTable.h"
#include "editor/DescendingScrollBar.h"
#include "editor/MainCommands.h"
#include "editor/MainLayout.h"
#include "editor/PropertyPanel.h"
#include "editor/ThreadPoolDecodeRunner.h"
#include "editor/ThumbnailFrame.h"
#include "editor/ThumbnailStrip.h"
#include "editor/ToolbarIcons.h"
#include "editor/WindowPlacement.h"
#include "player/ColourRef.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
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

std::unique_ptr<DecodeRunner> orPool(std::unique_ptr<DecodeRunner> runner)
{
    return runner ? std::move(runner) : std::make_unique<ThreadPoolDecodeRunner>();
}

}  // namespace

MainForm::MainForm(FileQuestions& questions, Prompter& prompter, QString applicationFolder,
                   QString tempFolder, std::unique_ptr<DecodeRunner> runner,
                   WindowPlacement* placement)
    : questions_(questions),
      prompter_(prompter),
      applicationFolder_(std::move(applicationFolder)),
      tempFolder_(std::move(tempFolder)),
      placement_(placement),
      pictures_(orPool(std::move(runner))),
      commands_(std::make_unique<MainCommands>(document_, *this, state_, pictures_, questions_,
                                               prompter_, applicationFolder_))
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("クレモア"));
    setWindowIcon(QPixmap::fromImage(ToolbarIcons::applicationPicture(kIconSize)));
    buildWidgets();
    connectDocument();
    connectControls();
    statusBar();
    // The menu shortcuts must reach their items even from a text box, which would otherwise
    // take Ctrl+C, Ctrl+A and the like for itself.
    QApplication::instance()->installEventFilter(this);
    // The panel is never drawn below its own minimum size nor over the toolbar.
    client_->setMinimumSize(layout_->minimumInnerSize());
    resize(kInnerWidth,
           kInnerHeight + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    client_->resize(kInnerWidth, kInnerHeight);
    Form_Resize();
    if (placement_ != nullptr) {
        placement_->restore(*this);
    }
}

MainForm::~MainForm()
{
    QApplication::instance()->removeEventFilter(this);
}

void MainForm::buildWidgets()
{
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    client_->installEventFilter(this);
    CommandTable::build(*this, *client_, *commands_);

    auto* bgmCaption = new QLabel(QStringLiteral("BGM"), client_);
    bgmCaption->move(0, kBgmCaptionTop);
    Label3 = new QLineEdit(client_);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(0, MainLayout::kBgmBoxTop, kInnerWidth / 2, kBoxHeight);
    Command9 = new QPushButton(QStringLiteral("参照"), client_);
    Command9->setObjectName(QStringLiteral("Command9"));
    Command9->setGeometry(Label3->width() - kBgmButtonWidth, kBgmButtonTop, kBgmButtonWidth,
                          kBgmButtonHeight);

    panel = new PropertyPanel(document_, questions_, client_);
    panel->move(kInnerWidth - panel->width(), MainLayout::kPanelTop);

    MainView = new QWidget(client_);
    MainView->setObjectName(QStringLiteral("MainView"));
    MainView->move(0, MainLayout::kViewTop);
    MainPicture = new CanvasPicture(MainView);
    MainPicture->setInnerSize(document_.canvasSize().width(), document_.canvasSize().height());
    HScroll1 = new DescendingScrollBar(Qt::Horizontal, 0, 0, client_);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->resize(HScroll1->width(), MainLayout::kPanScrollThickness);
    VScroll1 = new DescendingScrollBar(Qt::Vertical, 0, 0, client_);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setGeometry(0, MainLayout::kViewTop, MainLayout::kPanScrollThickness,
                          VScroll1->height());

    sclImage = new QScrollBar(Qt::Horizontal, client_);
    sclImage->setObjectName(QStringLiteral("sclImage"));
    sclImage->setGeometry(0, kInnerHeight - MainLayout::kStripScrollHeight, kInnerWidth,
                          MainLayout::kStripScrollHeight);
    sclImage->setRange(0, 0);
    picImage = new ThumbnailStrip(pictures_, *sclImage, client_);
    picImage->setGeometry(0, sclImage->y() - MainLayout::kStripHeight, kInnerWidth,
                          MainLayout::kStripHeight);

    canvasPresenter_ = std::make_unique<CanvasPresenter>(
        *MainPicture, pictures_, [this](const QString& path) { reportUndecodable(path); });
    layout_ = std::make_unique<MainLayout>(
        MainLayout::Controls{*client_, *picImage, *sclImage, *panel, *Label3, *Command9, *MainView,
                             *MainPicture, *HScroll1, *VScroll1, CommandTable::toolbarWidth()},
        [this] { RefreshThumbnails(static_cast<qint16>(sclImage->value()), false); });
}

void MainForm::connectDocument()
{
    connect(&document_, &EditorDocument::currentChanged, this, &MainForm::currentChanged);
    connect(&document_, &EditorDocument::canvasSizeChanged, this,
            [this](QSize size) { MainPicture->setInnerSize(size.width(), size.height()); });
    connect(&document_, &EditorDocument::backColorChanged, this,
            [this](quint32 colour) { canvasPresenter_->setBackColor(colour); });
    connect(&document_, &EditorDocument::bgmPathChanged, this, [this](const QString& path) {
        if (Label3->text() != path) {
            Label3->setText(path);
        }
    });
}

void MainForm::connectControls()
{
    connect(Label3, &QLineEdit::textChanged, &document_, &EditorDocument::setBgmPath);
    MainCommands& commands = *commands_;
    connect(Command9, &QPushButton::clicked, this, [&commands] { commands.Command9_Click(); });

    SlideListCommands& slides = commands.slides();
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

    // The pan bars' numbers are the canvas's left and top edges in its view.
    connect(HScroll1, &DescendingScrollBar::numberChanged, this,
            [this](int left) { MainPicture->move(left, MainPicture->y()); });
    connect(VScroll1, &DescendingScrollBar::numberChanged, this,
            [this](int top) { MainPicture->move(MainPicture->x(), top); });

    CanvasPositioner& positioner = commands.positioner();
    connect(MainPicture, &CanvasPicture::mousePressed, this,
            [&positioner](QPoint position) { positioner.MainPicture_MouseDown(position); });
    connect(MainPicture, &CanvasPicture::mouseMoved, this,
            [&positioner](QPoint position) { positioner.MainPicture_MouseMove(position); });
    connect(MainPicture, &CanvasPicture::mouseReleased, this,
            [&positioner] { positioner.MainPicture_MouseUp(); });
}

void MainForm::currentChanged(int index)
{
    // Files named earlier may be gone from view; showing the slide names them again.
    statusBar()->clearMessage();
    if (index >= 0) {
        List1_Click();
    }
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
    if (watched == client_ && event->type() == QEvent::Resize) {
        Form_Resize();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::closeEvent(QCloseEvent* event)
{
    if (placement_ != nullptr) {
        placement_->save(*this);
    }
    QMainWindow::closeEvent(event);
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
    commands_->files().OpenWorkSpace(path);
}

void MainForm::AddImages(const QString& spec)
{
    commands_->slides().AddImages(spec);
}

void MainForm::List1_Click()
{
    const SlideItem* slide = document_.currentSlide();
    if (slide == nullptr) {
        return;
    }
    canvasPresenter_->showPicture(document_.currentPath(), QPoint(slide->PosX, slide->PosY),
                                  document_.shownPart(*slide));
    // Filling the panel runs its change handlers, which store the values back.
    panel->fillFromSlide(*slide);
    RefreshThumbnails(static_cast<qint16>(sclImage->value()), true);
}

void MainForm::RefreshThumbnails(qint16 first, bool removeSurplus)
{
    picImage->refresh(document_.paths(), document_.currentIndex(), first, removeSurplus,
                      QColor::fromRgb(ColourRef::toRgb(document_.backColor())));
}

int MainForm::stripScrollValue() const
{
    return sclImage->value();
}

void MainForm::Form_Resize()
{
    layout_->Form_Resize();
}

void MainForm::clearCanvas()
{
    canvasPresenter_->clear();
}

void MainForm::placeCanvas(QPoint position)
{
    MainPicture->move(position);
}

void MainForm::showDraggedPicture(const QImage& picture, QPoint position)
{
    canvasPresenter_->showDragged(picture, position);
}

QImage MainForm::canvasPicture()
{
    return canvasPresenter_->finishedPicture();
}

void MainForm::resetPanelNumbers()
{
    panel->resetNumbers();
}

void MainForm::selectFirstEffect()
{
    panel->Combo1->setCurrentIndex(0);
}

void MainForm::startFrameDrag(int j)
{
    if (ThumbnailFrame* frame = picImage->frame(j)) {
        frame->startDrag();
    }
}

void MainForm::reportUndecodable(const QString& path)
{
    statusBar()->showMessage(path + QStringLiteral(" を表示できません"));
}

QWidget* MainForm::dialogOwner()
{
    return this;
}

void MainForm::closeWindow()
{
    close();
}
