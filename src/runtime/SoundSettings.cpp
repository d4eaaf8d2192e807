#include "SoundSettings.h"

namespace {

const QString kOrganization = QStringLiteral("kremoa");
const QString kBgmKey = QStringLiteral("bgm");
const QString kSoundEffectsKey = QStringLiteral("soundEffects");

}  // namespace

SoundSettings::SoundSettings(const QString& saverFileName)
    : settings_(QSettings::IniFormat, QSettings::UserScope, kOrganization, saverFileName)
{}

SoundChoice SoundSettings::load() const
{
    SoundChoice choice;
    choice.bgm = settings_.value(kBgmKey, true).toBool();
    choice.soundEffects = settings_.value(kSoundEffectsKey, true).toBool();
    return choice;
}

void SoundSettings::save(const SoundChoice& choice)
{
    settings_.setValue(kBgmKey, choice.bgm);
    settings_.setValue(kSoundEffectsKey, choice.soundEffects);
    settings_.sync();
}
