#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QFileDialog;
class QWidget;

// The open, save and folder dialogs and the help viewer behind properties, for general use.
// Each instance holds its own parameters; the methods show the dialog and copy its outputs
// (`filename`, `FileTitle`, `FilterIndex`) back into the properties, confirmed or cancelled.
class CCommonDialog {
public:
    // The dialog flags the properties understand (the platform's open-file-name flag values).
    static constexpr quint32 OFN_OVERWRITEPROMPT = 0x2;
    static constexpr quint32 OFN_HIDEREADONLY = 0x4;
    static constexpr quint32 OFN_NOCHANGEDIR = 0x8;
    static constexpr quint32 OFN_ALLOWMULTISELECT = 0x200;
    static constexpr quint32 OFN_PATHMUSTEXIST = 0x800;
    static constexpr quint32 OFN_FILEMUSTEXIST = 0x1000;
    static constexpr quint32 OFN_EXPLORER = 0x80000;
    static constexpr int kFileNameLength = 512;
    static constexpr int kFileTitleLength = 1024;
    static constexpr qint32 kHelpContents = 11;

    QString filename = QString(kFileNameLength, QChar(u'\0'));
    QString FileTitle = QString(kFileTitleLength, QChar(u'\0'));
    QString Filter;  // description NUL pattern NUL ...
    quint32 Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    QWidget* OwnerWindow = nullptr;
    QString Title;
    QString InitialDir;
    qint32 FilterIndex = 1;  // 1-based
    QString DefaultExt;
    QString HelpFile;
    qint32 HelpCommand = kHelpContents;
    qint32 HelpContext = 0;

    // `filename` becomes the chosen folder, or empty when cancelled.
    void GetFolder();
    void ShowOpen();
    void ShowSave();
    // Opens `HelpFile` in the system's viewer (the manual is one HTML page: every command
    // shows it from the top).
    void ShowHelp();

private:
    void show(bool save);
    // `Filter` in the form the dialog reads.
    QStringList nameFilters() const;
    void configure(QFileDialog& dialog, bool save) const;
};
