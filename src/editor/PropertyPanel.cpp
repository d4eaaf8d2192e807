#include "editor/PropertyPanel.h"

#include "dialogs/FileQuestions.h"
#include "dialogs/NumericText.h"
#include "editor/EditorDocument.h"
#include "effects/EffectCatalogue.h"
#include "effects/RoundHalfEven.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int kPanelWidth = 210;
constexpr int kSpinWidth = 17;
// Number rows: the box, its spin and the unit; other rows span all three columns.
constexpr int kBoxColumn = 0;
constexpr int kSpinColumn = 1;
constexpr int kUnitColumn = 2;
constexpr int kColumnCount = 3;

constexpr int kTimeMin = EditorDocument::kTimeMin;
constexpr int kTimeMax = EditorDocument::kTimeMax;
constexpr int kPositionMin = EditorDocument::kPositionMin;
constexpr int kPositionMax = EditorDocument::kPositionMax;

// Whether a box shows `stored`; a number still being typed is left to its typist.
bool shows(const QLineEdit* box, qint32 stored)
{
    if (NumericText::isUnfinished(box->text())) {
        return box->hasFocus();
    }
    const std::optional<double> value = NumericText::value(box->text());
    return value && roundHalfEven(*value) == stored;
}

}  // namespace

PropertyPanel::PropertyPanel(EditorDocument& document, FileQuestions& questions, QWidget* parent)
    : QGroupBox(QStringLiteral("プロパティ"), parent), document_(document), questions_(questions)
{
    setObjectName(QStringLiteral("Frame1"));
    setFixedWidth(kPanelWidth);
    buildControls();
    connectHandlers();
}

void PropertyPanel::buildControls()
{
    // The controls keep their own size and scroll when the window leaves the panel less room.
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    area_ = new QScrollArea(this);
    area_->setObjectName(QStringLiteral("Frame1Area"));
    area_->setFrameShape(QFrame::NoFrame);
    area_->setWidgetResizable(true);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    content_ = new QWidget(area_);
    content_->setObjectName(QStringLiteral("Frame1Content"));
    area_->setWidget(content_);
    frame->addWidget(area_);
    auto* grid = new QGridLayout(content_);
    int row = 0;
    const auto caption = [&](const QString& text) {
        grid->addWidget(new QLabel(text, content_), row++, kBoxColumn, 1, kColumnCount);
    };
    const auto numberRow = [&](QLineEdit* box, DescendingScrollBar* spin, const QString& unit) {
        spin->setSingleStep(1);
        spin->setPageStep(1);
        spin->setFixedWidth(kSpinWidth);
        spin->setFixedHeight(box->sizeHint().height());
        grid->addWidget(box, row, kBoxColumn);
        grid->addWidget(spin, row, kSpinColumn);
        grid->addWidget(new QLabel(unit, content_), row++, kUnitColumn);
    };

    caption(QStringLiteral("表示時間"));
    Text1 = new QLineEdit(QString::number(kTimeMin), content_);
    Text1->setObjectName(QStringLiteral("Text1"));
    VScroll2 = new DescendingScrollBar(Qt::Vertical, kTimeMax, kTimeMin, content_);
    VScroll2->setObjectName(QStringLiteral("VScroll2"));
    VScroll2->setNumber(kTimeMin);
    numberRow(Text1, VScroll2, QStringLiteral("1/1000秒"));

    const QString positionCaptions[2] = {QStringLiteral("表示位置X"), QStringLiteral("表示位置Y")};
    for (int n = 0; n < 2; ++n) {
        caption(positionCaptions[n]);
        Text2[n] = new QLineEdit(QStringLiteral("0"), content_);
        Text2[n]->setObjectName(QStringLiteral("Text2_%1").arg(n));
        VScroll3[n] = new DescendingScrollBar(Qt::Vertical, kPositionMax, kPositionMin, content_);
        VScroll3[n]->setObjectName(QStringLiteral("VScroll3_%1").arg(n));
        VScroll3[n]->setNumber(0);
        numberRow(Text2[n], VScroll3[n], QStringLiteral("ピクセル"));
    }

    caption(QStringLiteral("切り替え効果"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    for (const EffectDescription& effect : effectCatalogue()) {
        Combo1->addItem(QString::fromUtf8(effect.listText));
    }
    grid->addWidget(Combo1, row++, kBoxColumn, 1, kColumnCount);

    caption(QStringLiteral("効果速度"));
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    for (const char* speed : speedListTexts()) {
        Combo2->addItem(QString::fromUtf8(speed));
    }
    grid->addWidget(Combo2, row++, kBoxColumn, 1, kColumnCount);

    caption(QStringLiteral("効果音"));
    Text3 = new QLineEdit(this);
    Text3->setObjectName(QStringLiteral("Text3"));
    Command12 = new QPushButton(QStringLiteral("参照"), content_);
    Command12->setObjectName(QStringLiteral("Command12"));
    grid->addWidget(Text3, row, kBoxColumn, 1, kUnitColumn);
    grid->addWidget(Command12, row++, kUnitColumn);

    Check2 = new QCheckBox(QStringLiteral("前のイメージを残す"), content_);
    Check2->setObjectName(QStringLiteral("Check2"));
    grid->addWidget(Check2, row++, kBoxColumn, 1, kColumnCount);
    Check1 = new QCheckBox(QStringLiteral("背景と同じ色を透過"), content_);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setEnabled(false);
    grid->addWidget(Check1, row++, kBoxColumn, 1, kColumnCount);

    grid->setRowStretch(row, 1);
    grid->setColumnStretch(kBoxColumn, 1);
}

void PropertyPanel::connectHandlers()
{
    connect(Text1, &QLineEdit::textChanged, this, &PropertyPanel::Text1_Change);
    connect(VScroll2, &DescendingScrollBar::numberChanged, this, &PropertyPanel::VScroll2_Change);
    // A number left unfinished gets the value the change handler gives any other non-number.
    connect(Text1, &QLineEdit::editingFinished, this, [this] {
        if (NumericText::isUnfinished(Text1->text())) {
            Text1->setText(QString::number(kTimeMin));
        }
    });
    for (int n = 0; n < 2; ++n) {
        connect(Text2[n], &QLineEdit::textChanged, this, [this, n] { Text2_Change(n); });
        connect(VScroll3[n], &DescendingScrollBar::numberChanged, this,
                [this, n] { VScroll3_Change(n); });
        connect(Text2[n], &QLineEdit::editingFinished, this, [this, n] {
            if (NumericText::isUnfinished(Text2[n]->text())) {
                Text2[n]->setText(QStringLiteral("0"));
            }
        });
    }
    connect(Combo1, &QComboBox::currentIndexChanged, this, &PropertyPanel::Combo1_Click);
    connect(Combo2, &QComboBox::currentIndexChanged, this, &PropertyPanel::Combo2_Click);
    connect(Text3, &QLineEdit::textChanged, this, &PropertyPanel::Text3_Change);
    connect(Command12, &QPushButton::clicked, this, &PropertyPanel::Command12_Click);
    connect(Check2, &QCheckBox::toggled, this, &PropertyPanel::Check2_Click);
    connect(Check1, &QCheckBox::toggled, this, &PropertyPanel::Check1_Click);
    connect(&document_, &EditorDocument::slideEdited, this, &PropertyPanel::mirror);
}

void PropertyPanel::mirror(int index)
{
    const SlideItem* slide = document_.currentSlide();
    if (slide == nullptr || index != document_.currentIndex()) {
        return;
    }
    const SlideItem shown = *slide;
    if (!shows(Text1, shown.DisplayTime)) {
        Text1->setText(QString::number(shown.DisplayTime));
    }
    if (!shows(Text2[0], shown.PosX)) {
        Text2[0]->setText(QString::number(shown.PosX));
    }
    if (!shows(Text2[1], shown.PosY)) {
        Text2[1]->setText(QString::number(shown.PosY));
    }
    if (Combo1->currentIndex() != shown.EffectNumber) {
        Combo1->setCurrentIndex(shown.EffectNumber);
    }
    if (Combo2->currentIndex() != shown.SpeedIndex) {
        Combo2->setCurrentIndex(shown.SpeedIndex);
    }
    if (Text3->text() != shown.SoundPath) {
        Text3->setText(shown.SoundPath);
    }
    Check2->setChecked(shown.KeepPrevious != 0);
    Check1->setChecked(shown.Transparent != 0);
}

void PropertyPanel::fillFromSlide(const SlideItem& slide)
{
    // The handlers below write into the selected slide, which may be the one being shown.
    const SlideItem shown = slide;
    Text1->setText(QString::number(shown.DisplayTime));
    Text2[0]->setText(QString::number(shown.PosX));
    Text2[1]->setText(QString::number(shown.PosY));
    Combo1->setCurrentIndex(shown.EffectNumber);
    Combo2->setCurrentIndex(shown.SpeedIndex);
    Text3->setText(shown.SoundPath);
    Check2->setChecked(shown.KeepPrevious != 0);
    Check1->setChecked(shown.Transparent != 0);
}

void PropertyPanel::resetNumbers()
{
    Text1->setText(QStringLiteral("0"));
    Text2[0]->setText(QStringLiteral("0"));
    Text2[1]->setText(QStringLiteral("0"));
}

void PropertyPanel::Text1_Change()
{
    if (NumericText::isUnfinished(Text1->text())) {
        return;
    }
    // Invalid entries are replaced; the replacement runs this handler again with valid text.
    const std::optional<double> value = NumericText::value(Text1->text());
    const bool tooLarge = value && *value > kTimeMax;
    // A positive entry that rounds to 0 (such as 0.4) cannot be a display time either.
    const bool tooSmall = !value || roundHalfEven(*value) < kTimeMin;
    if (tooLarge || tooSmall) {
        Text1->setText(QString::number(tooLarge ? kTimeMax : kTimeMin));
        return;
    }
    const int time = roundHalfEven(*value);
    VScroll2->setNumber(time);
    document_.setDisplayTime(time);
}

void PropertyPanel::VScroll2_Change()
{
    const QString text = QString::number(VScroll2->number());
    if (Text1->text() != text) {
        Text1->setText(text);
    }
}

void PropertyPanel::Text2_Change(int index)
{
    if (NumericText::isUnfinished(Text2[index]->text())) {
        return;
    }
    const std::optional<double> value = NumericText::value(Text2[index]->text());
    if (!value) {
        Text2[index]->setText(QStringLiteral("0"));
        return;
    }
    if (*value < kPositionMin || *value > kPositionMax) {
        Text2[index]->setText(QString::number(*value < kPositionMin ? kPositionMin : kPositionMax));
        return;
    }
    const int position = roundHalfEven(*value);
    VScroll3[index]->setNumber(position);
    if (index == 0) {
        document_.setPosX(position);
    } else {
        document_.setPosY(position);
    }
}

void PropertyPanel::VScroll3_Change(int index)
{
    const QString text = QString::number(VScroll3[index]->number());
    if (Text2[index]->text() != text) {
        Text2[index]->setText(text);
    }
}

void PropertyPanel::Combo1_Click()
{
    // A number outside the list (from a file) leaves no entry selected and is kept as it is.
    if (Combo1->currentIndex() >= 0) {
        document_.setEffectNumber(Combo1->currentIndex());
    }
}

void PropertyPanel::Combo2_Click()
{
    if (Combo2->currentIndex() >= 0) {
        document_.setSpeedIndex(Combo2->currentIndex());
    }
}

void PropertyPanel::Text3_Change()
{
    document_.setSoundPath(Text3->text());
}

void PropertyPanel::Command12_Click()
{
    Text3->setText(questions_.AskSoundFile());
}

void PropertyPanel::Check2_Click()
{
    document_.setKeepPrevious(Check2->isChecked());
    // Greying out keeps the transparency tick and the slide's flag as they are.
    Check1->setEnabled(Check2->isChecked());
}

void PropertyPanel::Check1_Click()
{
    document_.setTransparent(Check1->isChecked());
}
