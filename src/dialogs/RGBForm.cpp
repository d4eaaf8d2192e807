#include "dialogs/RGBForm.h"

#include "dialogs/GradientBar.h"
#include "document/mGetRGB.h"

#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int kFirstBarTop = 20;
constexpr int kBarSpacing = 36;
constexpr int kMarkerOverhang = 3;
constexpr int kCaptionLeft = 276;
constexpr int kValueLeft = 298;
constexpr int kValueWidth = 32;
constexpr int kSwatchTop = 128;
constexpr int kSwatchWidth = 120;
constexpr int kSwatchHeight = 40;
constexpr int kButtonWidth = 84;
constexpr int kButtonHeight = 26;
constexpr int kButtonGap = 8;
constexpr int kFormWidth = 344;
constexpr int kFormHeight = 184;

}  // namespace

RGBForm::RGBForm(quint32 colour, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RGBForm"));
    setWindowTitle(QStringLiteral("色の設定"));
    buildControls();
    Form_Load(colour);
}

std::optional<quint32> RGBForm::run(QWidget* owner, quint32 colour)
{
    RGBForm form(colour, owner);
    form.exec();
    return form.chosenColour();
}

void RGBForm::buildControls()
{
    const QString captions[kChannels] = {QStringLiteral("赤"), QStringLiteral("緑"),
                                         QStringLiteral("青")};
    for (int n = 0; n < kChannels; ++n) {
        const int top = kFirstBarTop + n * kBarSpacing;
        Picture1[n] = new GradientBar(this);
        Picture1[n]->setObjectName(QStringLiteral("Picture1_%1").arg(n));
        Picture1[n]->move(kMarkerOffset, top);
        connect(Picture1[n], &GradientBar::pressed, this,
                [this, n](int x) { Picture1_MouseDown(n, x); });
        connect(Picture1[n], &GradientBar::moved, this,
                [this, n](int x) { Picture1_MouseMove(n, x); });
        connect(Picture1[n], &GradientBar::released, this, [this] { Picture1_MouseUp(); });

        Line1[n] = new QFrame(this);
        Line1[n]->setObjectName(QStringLiteral("Line1_%1").arg(n));
        Line1[n]->setAutoFillBackground(true);
        QPalette black = Line1[n]->palette();
        black.setColor(QPalette::Window, Qt::black);
        Line1[n]->setPalette(black);
        Line1[n]->setAttribute(Qt::WA_TransparentForMouseEvents);
        Line1[n]->setGeometry(kMarkerOffset, top - kMarkerOverhang, 1,
                              GradientBar::kHeight + 2 * kMarkerOverhang);

        auto* caption = new QLabel(captions[n], this);
        caption->move(kCaptionLeft, top - kMarkerOverhang);
        Label1[n] = new QLabel(QStringLiteral("0"), this);
        Label1[n]->setObjectName(QStringLiteral("Label1_%1").arg(n));
        Label1[n]->setGeometry(kValueLeft, top - kMarkerOverhang, kValueWidth,
                               GradientBar::kHeight + 2 * kMarkerOverhang);
        Label1[n]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    colorlabel = new QLabel(this);
    colorlabel->setObjectName(QStringLiteral("colorlabel"));
    colorlabel->setAutoFillBackground(true);
    colorlabel->setFrameShape(QFrame::Box);
    colorlabel->setGeometry(kMarkerOffset, kSwatchTop, kSwatchWidth, kSwatchHeight);

    const QString buttonTexts[2] = {QStringLiteral("OK"), QStringLiteral("キャンセル")};
    for (int n = 0; n < 2; ++n) {
        Command1[n] = new QPushButton(buttonTexts[n], this);
        Command1[n]->setObjectName(QStringLiteral("Command1_%1").arg(n));
        Command1[n]->setGeometry(kFormWidth - (2 - n) * (kButtonWidth + kButtonGap),
                                 kSwatchTop + kSwatchHeight - kButtonHeight, kButtonWidth,
                                 kButtonHeight);
        connect(Command1[n], &QPushButton::clicked, this, [this, n] { Command1_Click(n); });
    }
    Command1[0]->setDefault(true);
    setFixedSize(kFormWidth, kFormHeight);
}

void RGBForm::Form_Load(quint32 colour)
{
    place(0, mGetRGB::red(colour));
    place(1, mGetRGB::green(colour));
    place(2, mGetRGB::blue(colour));
    redraw(kAllChannels);
}

void RGBForm::place(int n, int x)
{
    const int value = std::clamp(x, 0, kMaxValue);
    Line1[n]->move(value + kMarkerOffset, Line1[n]->y());
    Label1[n]->setText(QString::number(value));
}

void RGBForm::Picture1_MouseDown(int n, int x)
{
    // A press beyond either end pins the value like a move does.
    dragging = kDragging;
    place(n, x);
    redraw(n);
}

void RGBForm::Picture1_MouseMove(int n, int x)
{
    if (dragging != kDragging) {
        return;
    }
    place(n, x);
    redraw(n);
}

void RGBForm::Picture1_MouseUp()
{
    dragging = 0;
}

void RGBForm::redraw(int changed)
{
    const int r = Label1[0]->text().toInt();
    const int g = Label1[1]->text().toInt();
    const int b = Label1[2]->text().toInt();
    setSwatch(mGetRGB::colour(r, g, b));
    // The dragged bar's own gradient does not depend on its value.
    if (changed != 0) {
        Picture1[0]->drawGradient([g, b](int i) { return qRgb(i, g, b); });
    }
    if (changed != 1) {
        Picture1[1]->drawGradient([r, b](int i) { return qRgb(r, i, b); });
    }
    if (changed != 2) {
        Picture1[2]->drawGradient([r, g](int i) { return qRgb(r, g, i); });
    }
}

void RGBForm::setSwatch(quint32 colour)
{
    swatch_ = colour;
    QPalette palette = colorlabel->palette();
    palette.setColor(QPalette::Window,
                     QColor(mGetRGB::red(colour), mGetRGB::green(colour), mGetRGB::blue(colour)));
    colorlabel->setPalette(palette);
}

void RGBForm::Command1_Click(int index)
{
    if (index == 0) {
        chosen_ = swatch_;
        accept();
    } else {
        reject();
    }
}
