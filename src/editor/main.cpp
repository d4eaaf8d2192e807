#include "editor/Main.h"
#include "dialogs/FileDialogQuestions.h"
#include "dialogs/MessageBoxPrompter.h"
#include "editor/MainForm.h"
#include "editor/WindowPlacement.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    // --help and --version need no display: they are answered before Qt opens one.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (const std::optional<int> status = Main::answerOptions(arguments, out, err)) {
        return *status;
    }

    QApplication application(argc, argv);
    Main::translateStandardDialogs();
    QSettings settings(QStringLiteral("kremoa"), QStringLiteral("kremoa"));
    WindowPlacement placement(settings);
    FileDialogQuestions questions;
    MessageBoxPrompter prompter;
    const std::unique_ptr<MainForm> form =
        Main::start(QDir::tempPath(), QApplication::arguments(), questions, prompter,
                    QApplication::applicationDirPath(), &placement);
    if (!form) {
        return 1;
    }
    questions.setOwner(form.get());
    prompter.setOwner(form.get());
    return QApplication::exec();
}
