#pragma once

#include "runtime/SoundChoice.h"

#include <QSettings>
#include <QString>

// The saver's sound switches, kept per saver under its file name ("Stars.scr"), so two
// savers built from different shows keep their own settings. Both are on until changed.
class SoundSettings {
public:
    explicit SoundSettings(const QString& saverFileName);

    SoundChoice load() const;
    void save(const SoundChoice& choice);

private:
    QSettings settings_;
};
