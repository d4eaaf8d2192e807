#include "SaveForm.h"

#include "builder/BuildProcedure.h"
#include "builder/IconCheck.h"
#include "dialogs/FileQuestions.h"
#include "document/SaverDefaults.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int kIconSize = 32;
constexpr int kProgressSteps = 1000;
constexpr int kProgressDelayMs = 500;
constexpr int kVersionBoxChars = 4;     // two digits with room around them
constexpr int kVersionBoxPadding = 12;  // frame and text margins of a line edit

const QString kWriting = QStringLiteral("作成中...");
const QString kCancel = QStringLiteral("キャンセル");

QLineEdit* lineEdit(const QString& name, const QString& text, int maxLength, QWidget* parent)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    if (maxLength > 0) {
        edit->setMaxLength(maxLength);
    }
    return edit;
}

// Stored with the editor's other settings.
const QString kSettingsOrganization = QStringLiteral("kremoa");
const QString kSettingsApplication = QStringLiteral("kremoa");
const QString kLastFolderKey = QStringLiteral("builder/lastFolder");

// "c:\" of the original is a place every Windows user could write to; its counterpart here is
// the home folder. The folder the last saver was built into comes first while it exists.
QString initialDestination()
{
    const QString last =
        QSettings(kSettingsOrganization, kSettingsApplication).value(kLastFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) {
        return last;
    }
    return QDir::toNativeSeparators(QDir::homePath());
}

void rememberFolder(const QString& folder)
{
    QSettings(kSettingsOrganization, kSettingsApplication).setValue(kLastFolderKey, folder);
}

}  // namespace

SaveForm::SaveForm(const EditableShow& show, Prompter& prompter, FileQuestions& questions,
                   QString applicationFolder, QWidget* parent)
    : QDialog(parent),
      show_(show),
      prompter_(prompter),
      questions_(questions),
      applicationFolder_(std::move(applicationFolder))
{
    setObjectName(QStringLiteral("SaveForm"));
    setWindowTitle(kCaption);
    setModal(true);
    buildControls();

    // Form_Load: the first detail entry, and the default icon as the chosen one.
    Combo1->setCurrentIndex(0);
    Combo1_Click();
    defaultIconPath_ =
        BuildProcedure::withSeparator(applicationFolder_) + BuildProcedure::kDefaultIconName;
    chosenIconPath_ = defaultIconPath_;
    showIcon(defaultIconPath_);
}

SaveForm::~SaveForm() = default;

void SaveForm::buildControls()
{
    txtdir = lineEdit(QStringLiteral("txtdir"), initialDestination(), 0, this);
    Command1 = new QPushButton(QStringLiteral("参照"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    txtfilename =
        lineEdit(QStringLiteral("txtfilename"), SaverDefaults::kFileName, kFileNameLength, this);
    txtDescript =
        lineEdit(QStringLiteral("txtDescript"), SaverDefaults::kDescription, kTextLength, this);
    txtcopyright = lineEdit(QStringLiteral("txtcopyright"), QString(), kTextLength, this);

    auto* versionFrame = new QGroupBox(QStringLiteral("バージョン番号"), this);
    txtVersion[0] = lineEdit(QStringLiteral("txtVersion0"), SaverDefaults::kMajorVersion,
                             kVersionLength, versionFrame);
    txtVersion[1] = lineEdit(QStringLiteral("txtVersion1"), SaverDefaults::kMinorVersion,
                             kVersionLength, versionFrame);
    for (QLineEdit* box : txtVersion) {
        const int digits = box->fontMetrics().horizontalAdvance(QString(kVersionBoxChars, u'0'));
        box->setMaximumWidth(digits + kVersionBoxPadding);
    }
    auto* versionLayout = new QHBoxLayout(versionFrame);
    versionLayout->addWidget(new QLabel(QStringLiteral("メジャー："), versionFrame));
    versionLayout->addWidget(txtVersion[0]);
    versionLayout->addWidget(new QLabel(QStringLiteral("マイナー："), versionFrame));
    versionLayout->addWidget(txtVersion[1]);
    versionLayout->addStretch();

    auto* detailFrame = new QGroupBox(QStringLiteral("詳細"), this);
    Combo1 = new QComboBox(detailFrame);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->addItems({QStringLiteral("コメント"), QStringLiteral("会社名"), QStringLiteral("商標"),
                      QStringLiteral("製品名")});
    auto* detailLayout = new QGridLayout(detailFrame);
    detailLayout->addWidget(new QLabel(QStringLiteral("項目："), detailFrame), 0, 0);
    detailLayout->addWidget(Combo1, 0, 1);
    detailLayout->addWidget(new QLabel(QStringLiteral("内容："), detailFrame), 1, 0);
    for (int i = 0; i < int(txtkoumoku.size()); ++i) {
        txtkoumoku[i] = lineEdit(QStringLiteral("txtkoumoku%1").arg(i), QString(),
                                 kDetailLengths[i], detailFrame);
        detailLayout->addWidget(txtkoumoku[i], 1, 1);
    }
    connect(Combo1, &QComboBox::currentIndexChanged, this, &SaveForm::Combo1_Click);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::Box);
    // The frame goes around the icon, not over its edge.
    const int framed = kIconSize + 2 * Picture1->frameWidth();
    Picture1->setFixedSize(framed, framed);
    Picture1->setCursor(Qt::PointingHandCursor);
    Picture1->installEventFilter(this);

    Check1 =
        new QCheckBox(QStringLiteral("BGMと効果音のON/OFFを設定で切り替えられるようにする"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    // Savers are handed to others, so the dialog can build for either system; the list starts
    // at the one this program runs on.
    cmbTarget = new QComboBox(this);
    cmbTarget->setObjectName(QStringLiteral("cmbTarget"));
    for (const SaverTargets::Entry& each : SaverTargets::kAll) {
        cmbTarget->addItem(QString::fromUtf8(each.label));
        if (each.target == SaverTargets::host()) {
            cmbTarget->setCurrentIndex(cmbTarget->count() - 1);
        }
    }
    Command2 = new QPushButton(QStringLiteral("作成"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setDefault(true);
    Command3 = new QPushButton(kCancel, this);
    Command3->setObjectName(QStringLiteral("Command3"));
    connect(Command1, &QPushButton::clicked, this, &SaveForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &SaveForm::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &SaveForm::Command3_Click);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("保存先"), this), 0, 0);
    fields->addWidget(txtdir, 0, 1);
    fields->addWidget(Command1, 0, 2);
    fields->addWidget(new QLabel(QStringLiteral("ファイル名"), this), 1, 0);
    fields->addWidget(txtfilename, 1, 1, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("説明（20字以内）"), this), 2, 0);
    fields->addWidget(txtDescript, 2, 1, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("著作権（20字以内）"), this), 3, 0);
    fields->addWidget(txtcopyright, 3, 1, 1, 2);

    auto* iconRow = new QHBoxLayout;
    iconRow->addWidget(new QLabel(QStringLiteral("アイコン"), this));
    iconRow->addWidget(Picture1);
    iconRow->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(versionFrame);
    layout->addWidget(detailFrame);
    layout->addLayout(iconRow);
    layout->addWidget(Check1);
    auto* targetRow = new QHBoxLayout;
    targetRow->addWidget(new QLabel(kTargetLabel, this));
    targetRow->addWidget(cmbTarget);
    targetRow->addStretch();
    layout->addLayout(targetRow);
    layout->addLayout(buttons);
}

BuildRequest SaveForm::request() const
{
    BuildRequest request;
    request.destinationFolder = txtdir->text();
    request.fileName = txtfilename->text();
    request.comment = txtkoumoku[0]->text();
    request.companyName = txtkoumoku[1]->text();
    request.trademark = txtkoumoku[2]->text();
    request.productName = txtkoumoku[3]->text();
    request.description = txtDescript->text();
    request.copyright = txtcopyright->text();
    request.majorVersion = txtVersion[0]->text();
    request.minorVersion = txtVersion[1]->text();
    request.soundSwitch = Check1->isChecked();
    request.defaultIconPath = defaultIconPath_;
    request.chosenIconPath = chosenIconPath_;
    request.target = SaverTargets::kAll[std::size_t(cmbTarget->currentIndex())].target;
    return request;
}

void SaveForm::showIcon(const QString& path)
{
    const QPixmap picture(path);
    Picture1->setPixmap(picture);
}

bool SaveForm::eventFilter(QObject* watched, QEvent* event)
{
    // A click is the left button let go over the picture.
    if (watched == Picture1 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            Picture1->rect().contains(mouse->position().toPoint())) {
            Picture1_Click();
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void SaveForm::Combo1_Click()
{
    for (QLineEdit* box : txtkoumoku) {
        box->hide();
    }
    const int selected = Combo1->currentIndex();
    if (selected >= 0 && selected < int(txtkoumoku.size())) {
        txtkoumoku[selected]->show();
    }
}

void SaveForm::Command1_Click()
{
    const QString folder = questions_.BrowseForFolder(this);
    if (!folder.isEmpty()) {
        txtdir->setText(folder);
    }
}

void SaveForm::Picture1_Click()
{
    const QString path = questions_.AskIconFile(this);
    if (path.isEmpty()) {
        return;
    }
    if (!IconCheck::is32Pixels(path)) {
        prompter_.tell(IconCheck::kWrongSize, IconCheck::kTitle, Prompter::Icon::Warning);
        return;
    }
    showIcon(path);
    chosenIconPath_ = path;
}

void SaveForm::Command2_Click()
{
    BuildRequest values = request();
    BuildProcedure procedure(show_, prompter_, applicationFolder_);
    BuildProcedure::Hooks hooks;
    // The version texts are written by now, so an empty major shows as "0" before any
    // closing message.
    hooks.writingStarts = [this, &values] {
        txtVersion[0]->setText(values.majorVersion);
        writingStarts();
    };
    hooks.progress = [this](qint64 done, qint64 total) { return progress(done, total); };
    hooks.writingEnds = [this] { writingEnds(); };
    const BuildProcedure::Outcome outcome = procedure.run(values, hooks);
    BuildProcedure::tell(outcome, prompter_);
    if (outcome.created()) {
        rememberFolder(values.destinationFolder);
        accept();
    }
}

void SaveForm::Command3_Click()
{
    reject();
}

// Hiding a modal dialog would end it, and a failed write must leave it open for correction:
// instead a window-modal progress window covers it while the file is written.
void SaveForm::writingStarts()
{
    progress_ = new QProgressDialog(kWriting, kCancel, 0, kProgressSteps, this);
    progress_->setWindowTitle(kCaption);
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(kProgressDelayMs);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setValue(0);
}

void SaveForm::writingEnds()
{
    delete progress_;
    progress_ = nullptr;
}

bool SaveForm::progress(qint64 done, qint64 total)
{
    if (progress_ == nullptr || total <= 0) {
        return true;
    }
    progress_->setValue(int(done * kProgressSteps / total));
    return !progress_->wasCanceled();
}
