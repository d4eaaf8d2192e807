#pragma once

class QSettings;
class QWidget;

// Where the main window was and how large, kept between runs in the user's settings.
class WindowPlacement {
public:
    explicit WindowPlacement(QSettings& settings);

    // Puts the window where it was last closed; a first run keeps its own size.
    void restore(QWidget& window) const;
    void save(const QWidget& window);

private:
    QSettings& settings_;
};
