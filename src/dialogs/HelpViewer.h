#pragma once

#include <QString>

// Opens the program's manual "Kremoa.html" from the application folder in the system's viewer.
class HelpViewer {
public:
    static inline const QString kHelpFileName = QStringLiteral("Kremoa.html");

    // The manual's path: the folder, a separator unless it already ends in one, the file name.
    static QString helpPath(const QString& applicationFolder);

    // `menuhow`: opens the manual. Nothing is reported when it is missing.
    static void menuhow_Click(const QString& applicationFolder);
};
