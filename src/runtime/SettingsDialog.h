#pragma once

#include "runtime/SoundChoice.h"

#include <QDialog>

class QCheckBox;

// The saver's settings: BGM and sound effects on or off.
class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    SettingsDialog(const QString& title, const SoundChoice& choice, QWidget* parent = nullptr);

    SoundChoice choice() const;

private:
    QCheckBox* bgm_;
    QCheckBox* soundEffects_;
};
