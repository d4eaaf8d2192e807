#pragma once

#include "builder/BuildRequest.h"
#include "document/EditableShow.h"
#include "document/PackagePlan.h"
#include "document/PackageWriter.h"
#include "document/Prompter.h"

#include <QString>

#include <functional>

// The build of a screen saver: checks the destination and every file of the show, reads the
// runtime template from the application folder, writes the version texts and icon into it and
// writes template plus package as NAME.scr. Every refusal is told through the prompter, and
// only the first one; nothing is written unless the whole file can be. The output appears
// only when complete (temporary file in the same folder, synced, renamed), so an existing
// file is replaced, never lost. The show is only read.
class BuildProcedure {
public:
    static inline const QString kTemplateName = QStringLiteral("Project.krt");
    static inline const QString kDefaultIconName = QStringLiteral("scricon.ico");
    static inline const QString kOutputSuffix = QStringLiteral(".scr");
    static inline const QString kTitle = QStringLiteral("スクリーンセーバーの作成");
    static inline const QString kFailureTitle = QStringLiteral("失敗");
    // Message texts break lines as CR LF, like every message of the program.
    static inline const QString kLineBreak = QStringLiteral("\r\n");

    struct Hooks {
        // The checks have passed, the version texts are in the template (an empty major is
        // "0" in the request now) and writing begins (the dialog gets out of the way).
        std::function<void()> writingStarts;
        // Writing is over, well or not, and a message may follow (the progress goes away).
        std::function<void()> writingEnds;
        // Bytes written so far and in all; returning false cancels the build silently.
        PackageWriter::Progress progress;
    };

    BuildProcedure(const EditableShow& show, Prompter& prompter, QString applicationFolder);

    // True when the screen saver was written. An empty major version becomes "0" in the
    // request once the version texts are written.
    bool run(BuildRequest& request, const Hooks& hooks = {});

    // The folder text with one separator at its end.
    static QString withSeparator(const QString& folder);
    static QString outputPath(const BuildRequest& request);

private:
    bool refuse(const QString& text, const QString& title);
    bool patchTemplate(QByteArray& templateBytes, BuildRequest& request);
    bool patchIcon(QByteArray& templateBytes, const BuildRequest& request);
    // Fails with an empty message when cancelled through the progress hook.
    Status write(const QString& path, const QByteArray& templateBytes, const PackagePlan& plan,
                 const Hooks& hooks);

    const EditableShow& show_;
    Prompter& prompter_;
    QString applicationFolder_;
};
