#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class FileQuestions;
class MainForm;
class Prompter;
class QTextStream;
class WindowPlacement;

// The program's start-up: answer --help and --version, find the temporary folder, show the
// main window and open the workspace named on the command line.
class Main {
public:
    static inline const QString kCannotRunMessage = QStringLiteral("実行できません");
    static inline const QString kProgramName = QStringLiteral("クレモア");
    static constexpr int kRefusedOption = 2;

    // `TempFolder`: the system's temporary folder ending in a separator; empty when the
    // system gave none.
    static QString TempFolderFrom(const QString& systemTempPath);
    // The whole command line after the program's name, as one path; a leading "--" only
    // ends the options.
    static QString commandLinePath(const QStringList& arguments);
    // The options answered without a window or a display: --help and --version print to `out`
    // and give 0; another word starting with "--" that names no existing file is refused on
    // `err` and gives 2. Nothing when the editor is to start.
    static std::optional<int> answerOptions(const QStringList& arguments, QTextStream& out,
                                            QTextStream& err);

    // Puts the window system's own dialogs and message-box buttons into Japanese, like the
    // rest of the program; without Qt's translation files they stay as they are.
    static void translateStandardDialogs();

    // Shows the main window, or tells the start-up failure and returns nothing.
    static std::unique_ptr<MainForm> start(const QString& systemTempPath,
                                           const QStringList& arguments, FileQuestions& questions,
                                           Prompter& prompter, const QString& applicationFolder,
                                           WindowPlacement* placement = nullptr);
};
