#pragma once

#include <QProcessEnvironment>
#include <QString>

// The environment of a program a test starts without a display or sound: Qt's offscreen
// platform, SDL's silent audio, settings and runtime files in `home`, and no host window
// inherited from whoever runs the tests.
inline QProcessEnvironment headlessEnvironment(const QString& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("SDL_AUDIODRIVER", "dummy");
    environment.insert("XDG_CONFIG_HOME", home);
    environment.insert("XDG_RUNTIME_DIR", home);
    environment.remove("XSCREENSAVER_WINDOW");
    return environment;
}
