#include "SettingsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
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

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
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
