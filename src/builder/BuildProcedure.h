#pragma once

#include "builder/BuildRequest.h"
#include "document/AtomicFileWriter.h"
#include "document/EditableShow.h"
#include "document/PackagePlan.h"
#include "document/PackageWriter.h"
#include "document/Prompter.h"
#include "document/SaverDefaults.h"

#include <QString>

#include <functional>
#include <optional>

// The build of a screen saver: checks the destination and every file of the show, reads the
// runtime template of the request's target system from the application folder, writes the version
// texts and icon into it and writes template plus package as NAME.scr. The run stops at the first
// refusal and returns it; the caller tells it (tell() shows it as the dialog does). The prompter
// only asks whether an existing file may be replaced. Nothing is written unless the whole file can
// be. The output appears only when complete (temporary file in the same folder, synced, renamed),
// so an existing file is replaced, never lost, and a file that appears meanwhile under the same
// name is never replaced without that answer. The show is only read.
class BuildProcedure {
public:
    static inline const QString kDefaultIconName = QStringLiteral("scricon.ico");
    static inline const QString kOutputSuffix = SaverDefaults::kSuffix;
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

    // What a build came to. A refusal carries its message and the title of its box; a build
    // the user declined or cancelled carries neither.
    struct [[nodiscard]] Outcome {
        enum class Kind { Created, Refused, Stopped };
        Kind kind = Kind::Stopped;
        QString message;
        QString title;

        bool created() const { return kind == Kind::Created; }
    };

    BuildProcedure(const EditableShow& show, Prompter& prompter, QString applicationFolder);

    // An empty major version becomes "0" in the request once the version texts are written.
    Outcome run(BuildRequest& request, const Hooks& hooks = {});
    // The closing message box of a build: the refusal as a warning, or "作成しました。".
    static void tell(const Outcome& outcome, Prompter& prompter);

    // The folder text with one separator at its end.
    static QString withSeparator(const QString& folder);
    static QString outputPath(const BuildRequest& request);
    // The runtime template the request's target needs, in the application folder.
    QString templatePath(const BuildRequest& request) const;

private:
    static Outcome refuse(const QString& text, const QString& title);
    std::optional<Outcome> patchTemplate(QByteArray& templateBytes, BuildRequest& request);
    std::optional<Outcome> patchIcon(QByteArray& templateBytes, const BuildRequest& request);
    // Fails with an empty message when cancelled through the progress hook. `existing` says
    // whether a file at the path may be replaced.
    Status write(const QString& path, AtomicFileWriter::Existing existing,
                 const QByteArray& templateBytes, const PackagePlan& plan, const Hooks& hooks);

    const EditableShow& show_;
    Prompter& prompter_;
    QString applicationFolder_;
};
