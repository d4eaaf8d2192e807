#include "dialogs/HelpViewer.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

QString HelpViewer::helpPath(const QString& applicationFolder)
{
    const QString folder = QDir::fromNativeSeparators(applicationFolder);
    return folder.endsWith(QLatin1Char('/')) ? folder + kHelpFileName
                                             : folder + QLatin1Char('/') + kHelpFileName;
}

void HelpViewer::menuhow_Click(const QString& applicationFolder)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpPath(applicationFolder)));
}
