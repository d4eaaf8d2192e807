#include "SettingsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

SettingsDialog::SettingsDialog(const QString& title, const SoundChoice& choice, QWidget* parent)
    : QDialog(parent),
      bgm_(new QCheckBox(QStringLiteral("BGMを鳴らす"), this)),
      soundEffects_(new QCheckBox(QStringLiteral("効果音を鳴らす"), this))
{
    setWindowTitle(title + QStringLiteral(" の設定"));
    bgm_->setObjectName(QStringLiteral("bgm"));
    soundEffects_->setObjectName(QStringLiteral("soundEffects"));
    bgm_->setChecked(choice.bgm);
    soundEffects_->setChecked(choice.soundEffects);

    // A saver is one file on any system, so its buttons cannot count on Qt's translations.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bgm_);
    layout->addWidget(soundEffects_);
    layout->addWidget(buttons);
}

SoundChoice SettingsDialog::choice() const
{
    return SoundChoice{bgm_->isChecked(), soundEffects_->isChecked()};
}
