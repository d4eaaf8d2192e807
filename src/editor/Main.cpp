#include "editor/Main.h"

#include "document/Prompter.h"
#include "editor/MainForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QString Main::TempFolderFrom(const QString& systemTempPath)
{
    if (systemTempPath.isEmpty()) {
        return QString();
    }
    const QString native = QDir::toNativeSeparators(systemTempPath);
    return native.endsWith(QDir::separator()) ? native : native + QDir::separator();
}

QString Main::commandLinePath(const QStringList& arguments)
{
    return arguments.mid(1).join(u' ');
}

void Main::translateStandardDialogs()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

std::unique_ptr<MainForm> Main::start(const QString& systemTempPath, const QStringList& arguments,
                                      FileQuestions& questions, Prompter& prompter,
                                      const QString& applicationFolder)
{
    const QString tempFolder = TempFolderFrom(systemTempPath);
    if (tempFolder.isEmpty()) {
        prompter.tell(kCannotRunMessage, kProgramName, Prompter::Icon::Information);
        return nullptr;
    }
    auto form = std::make_unique<MainForm>(questions, prompter, applicationFolder, tempFolder);
    form->Form_Load(commandLinePath(arguments));
    form->show();
    return form;
}
