#include "dialogs/CCommonDialog.h"

#include "dialogs/FileDialogQuestions.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>

namespace {

const QChar kNul(u'\0');

QString upToNul(const QString& text)
{
    const qsizetype end = text.indexOf(kNul);
    return end < 0 ? text : text.left(end);
}

}  // namespace

void CCommonDialog::GetFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(OwnerWindow);
    filename = folder.isEmpty() ? QString() : QDir::toNativeSeparators(folder);
}

void CCommonDialog::ShowOpen()
{
    show(false);
}

void CCommonDialog::ShowSave()
{
    show(true);
}

void CCommonDialog::ShowHelp()
{
    if (!HelpFile.isEmpty()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(HelpFile));
    }
}

QStringList CCommonDialog::nameFilters() const
{
    const QStringList parts = Filter.split(kNul, Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters.append(FileDialogQuestions::nameFilter({parts[i], parts[i + 1]}));
    }
    return filters;
}

void CCommonDialog::configure(QFileDialog& dialog, bool save) const
{
    dialog.setWindowTitle(Title);
    dialog.setDirectory(InitialDir.isEmpty() ? QDir::currentPath() : InitialDir);
    const QStringList filters = nameFilters();
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(FilterIndex - 1, filters.first()));
    }
    dialog.setDefaultSuffix(DefaultExt);
    const QString initialFile = upToNul(filename);
    if (!initialFile.isEmpty()) {
        dialog.selectFile(initialFile);
    }
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, (Flags & OFN_OVERWRITEPROMPT) == 0);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        if ((Flags & OFN_ALLOWMULTISELECT) != 0) {
            dialog.setFileMode(QFileDialog::ExistingFiles);
        } else {
            dialog.setFileMode((Flags & OFN_FILEMUSTEXIST) != 0 ? QFileDialog::ExistingFile
                                                                : QFileDialog::AnyFile);
        }
    }
}

void CCommonDialog::show(bool save)
{
    QFileDialog dialog(OwnerWindow);
    configure(dialog, save);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    // Without filters of the caller's the dialog has no filter to report.
    const qsizetype chosenFilter = nameFilters().indexOf(dialog.selectedNameFilter());
    if (chosenFilter >= 0) {
        FilterIndex = static_cast<qint32>(chosenFilter) + 1;
    }
    const QStringList files = dialog.selectedFiles();
    if (!confirmed || files.isEmpty()) {
        return;
    }
    filename = FileDialogQuestions::answerText(files);
    FileTitle = QFileInfo(files.first()).fileName();
    if ((Flags & OFN_NOCHANGEDIR) == 0) {
        QDir::setCurrent(QFileInfo(files.first()).absolutePath());
    }
}
