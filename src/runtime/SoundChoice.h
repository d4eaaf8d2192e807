#pragma once

// Which sounds a saver plays: the settings dialog switches them when the package allows it.
struct SoundChoice {
    bool bgm = true;
    bool soundEffects = true;
};
