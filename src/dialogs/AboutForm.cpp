#include "dialogs/AboutForm.h"

#include "document/ProgramVersion.h"

#include <QEvent>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kTitlePointSize = 24;
constexpr int kNoticeLines = 11;
constexpr int kFormWidth = 460;

// The title's font; where it is not installed, a Japanese serif font of the same style.
const QStringList kTitleFamilies = {
    QStringLiteral("ＭＳ 明朝"),         QStringLiteral("MS Mincho"),
    QStringLiteral("Noto Serif CJK JP"), QStringLiteral("Noto Serif JP"),
    QStringLiteral("IPAexMincho"),       QStringLiteral("IPAMincho")};

const QString kNotice = QStringLiteral(
    "このソフトウェアはフリーソフトウェアです。\n"
    "ダウンロードしたままの形であれば、自由に再配布していただいてかまいません。\n"
    "ご使用になった際は、作者まで簡単な感想などをメールでお送りいただけると幸いです。\n"
    "このソフトウェアを使用したことによって生じたいかなる結果についても、作者は一切の責任を"
    "負いません。");

}  // namespace

AboutForm::AboutForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("バージョン情報"));

    titleLabel = new QLabel(QStringLiteral("クレモア"), this);
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    QFont titleFont = titleLabel->font();
    titleFont.setFamilies(kTitleFamilies);
    titleFont.setStyleHint(QFont::Serif);
    titleFont.setPointSize(kTitlePointSize);
    titleLabel->setFont(titleFont);

    verLabel = new QLabel(this);
    verLabel->setObjectName(QStringLiteral("verLabel"));

    auto* caution = new QLabel(QStringLiteral("注意"), this);
    Text1 = new QPlainTextEdit(kNotice, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    // Neither a click nor a drag may select the notice; the focus rule below covers the keyboard.
    Text1->setTextInteractionFlags(Qt::NoTextInteraction);
    Text1->setFixedHeight(Text1->fontMetrics().lineSpacing() * kNoticeLines);
    Text1->installEventFilter(this);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto* column = new QVBoxLayout(this);
    column->addWidget(titleLabel, 0, Qt::AlignHCenter);
    column->addWidget(verLabel, 0, Qt::AlignHCenter);
    column->addWidget(caution);
    column->addWidget(Text1);
    column->addLayout(buttons);
    setFixedWidth(kFormWidth);

    Form_Load();
}

void AboutForm::run(QWidget* owner)
{
    AboutForm form(owner);
    form.exec();
}

QString AboutForm::versionText(int major, int minor)
{
    return QStringLiteral("Version ") + QString::number(major) + QStringLiteral(".") +
           (QStringLiteral("00") + QString::number(minor)).right(2);
}

void AboutForm::Form_Load()
{
    verLabel->setText(versionText(ProgramVersion::major(), ProgramVersion::minor()));
}

bool AboutForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text1 && event->type() == QEvent::FocusIn) {
        Text1_GotFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void AboutForm::Text1_GotFocus()
{
    // The notice is there to be read, not edited or selected.
    Command1->setFocus(Qt::OtherFocusReason);
}
