#include "editor/Main.h"
#include "dialogs/FileDialogQuestions.h"
#include "dialogs/MessageBoxPrompter.h"
#include "editor/MainForm.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    Main::translateStandardDialogs();
    FileDialogQuestions questions;
    MessageBoxPrompter prompter;
    const std::unique_ptr<MainForm> form =
        Main::start(QDir::tempPath(), QApplication::arguments(), questions, prompter,
                    QApplication::applicationDirPath());
    if (!form) {
        return 1;
    }
    questions.setOwner(form.get());
    prompter.setOwner(form.get());
    return QApplication::exec();
}
