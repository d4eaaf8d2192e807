#include "dialogs/SizeForm.h"

#include "dialogs/NumericText.h"
#include "document/Prompter.h"
#include "effects/RoundHalfEven.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

const QString kTitle = QStringLiteral("サイズ変更");
const QString kNotANumber = QStringLiteral("数字を入力して下さい。");
const QString kNotAboveZero = QStringLiteral("0より大きい値を入力して下さい。");
const QString kTooLarge = QStringLiteral("9999以下の値を入力して下さい。");
const QString kWidestEntry = QStringLiteral("00000");
constexpr int kBoxMargin = 12;

}  // namespace

SizeForm::SizeForm(Prompter& prompter, QSize innerSize, int borderAllowance, QWidget* parent)
    : QDialog(parent), prompter_(prompter), borderAllowance_(borderAllowance)
{
    setObjectName(QStringLiteral("sizeform"));
    setWindowTitle(kTitle);

    auto* grid = new QGridLayout;
    const QString captions[2] = {QStringLiteral("幅"), QStringLiteral("高さ")};
    for (int n = 0; n < 2; ++n) {
        Text1[n] = new QLineEdit(QStringLiteral("250"), this);
        Text1[n]->setObjectName(QStringLiteral("Text1_%1").arg(n));
        Text1[n]->setMaxLength(kMaxLength);
        Text1[n]->setFixedWidth(Text1[n]->fontMetrics().horizontalAdvance(kWidestEntry) +
                                kBoxMargin);
        grid->addWidget(new QLabel(captions[n], this), n, 0);
        grid->addWidget(Text1[n], n, 1);
        grid->addWidget(new QLabel(QStringLiteral("ピクセル"), this), n, 2);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const QString buttonTexts[2] = {QStringLiteral("OK"), QStringLiteral("キャンセル")};
    for (int n = 0; n < 2; ++n) {
        Command1[n] = new QPushButton(buttonTexts[n], this);
        Command1[n]->setObjectName(QStringLiteral("Command1_%1").arg(n));
        buttons->addWidget(Command1[n]);
        connect(Command1[n], &QPushButton::clicked, this, [this, n] { Command1_Click(n); });
    }
    Command1[0]->setDefault(true);

    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addLayout(buttons);
    setFixedSize(sizeHint());

    Form_Load(innerSize);
}

std::optional<QSize> SizeForm::run(QWidget* owner, Prompter& prompter, QSize innerSize,
                                   int borderAllowance)
{
    SizeForm form(prompter, innerSize, borderAllowance, owner);
    form.exec();
    return form.outerSize();
}

void SizeForm::Form_Load(QSize innerSize)
{
    // A canvas loaded from a file may be wider than four digits: it is shown whole rather than
    // cut to a different size that "OK" would then apply.
    const QString texts[2] = {QString::number(innerSize.width()),
                              QString::number(innerSize.height())};
    for (int n = 0; n < 2; ++n) {
        Text1[n]->setMaxLength(std::max(int(kMaxLength), int(texts[n].size())));
        Text1[n]->setText(texts[n]);
    }
}

void SizeForm::refuse(int index, const QString& message)
{
    prompter_.tell(message, kTitle, Prompter::Icon::Warning);
    Text1[index]->setFocus();
}

void SizeForm::Command1_Click(int index)
{
    if (index != 0) {
        reject();
        return;
    }
    std::array<std::optional<double>, 2> values;
    for (int n = 0; n < 2; ++n) {
        values[n] = NumericText::value(Text1[n]->text());
        if (!values[n]) {
            refuse(n, kNotANumber);
            return;
        }
    }
    // Fractions round half to even; an entry that rounds to 0 is no size either.
    std::array<int, 2> sizes{};
    for (int n = 0; n < 2; ++n) {
        sizes[n] = roundHalfEven(*values[n]);
        if (sizes[n] <= 0) {
            refuse(n, kNotAboveZero);
            return;
        }
    }
    // Four characters can still spell a huge number ("9e99").
    for (int n = 0; n < 2; ++n) {
        if (sizes[n] > kLargest) {
            refuse(n, kTooLarge);
            return;
        }
    }
    outerSize_ = QSize(sizes[0] + borderAllowance_, sizes[1] + borderAllowance_);
    accept();
}
