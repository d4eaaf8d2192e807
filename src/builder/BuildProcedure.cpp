#include "builder/BuildProcedure.h"

#include "builder/IconPatch.h"
#include "builder/VersionPatch.h"
#include "document/AtomicFileWriter.h"
#include "document/PackagePlan.h"
#include "document/SourceFile.h"

#include <QDir>
#include <QFileInfo>

#include <optional>
#include <utility>

namespace {

using Icon = Prompter::Icon;

const QString kFolderMissing = QStringLiteral("保存先フォルダが存在しません。");
const QString kExistsHead = QStringLiteral("以下のファイルは存在します。");
const QString kExistsTail = QStringLiteral("上書きしますか？");
const QString kCreated = QStringLiteral("作成しました。");

QString templateMissing(const QString& path)
{
    return QStringLiteral("テンプレートファイル(") + path + QStringLiteral(")が見つかりません");
}

QString templateKeyMissing(const QString& path, const char* key)
{
    return QStringLiteral("テンプレートファイル(") + path + QStringLiteral(")にバージョン情報(") +
           QLatin1String(key) + QStringLiteral(")がありません");
}

QString templateIconMissing(const QString& path)
{
    return QStringLiteral("テンプレートファイル(") + path +
           QStringLiteral(")のアイコンを置き換えられません");
}

QString iconMissing(const QString& path)
{
    return QStringLiteral("アイコンファイル(") + path + QStringLiteral(")が見つかりません");
}

QString iconBroken(const QString& path)
{
    return QStringLiteral("アイコンファイル(") + path + QStringLiteral(")が壊れています");
}

QString iconTooLarge(const QString& path)
{
    return QStringLiteral("アイコン(") + path + QStringLiteral(")は大きすぎて使えません");
}

QString cannotWrite(const QString& path, const QString& reason)
{
    return QStringLiteral("ファイル(") + path + QStringLiteral(")に書き込めません: ") + reason;
}

// The template and icons are small; anything near this size is not one of them.
constexpr qint64 kMaxPartBytes = qint64(1) << 30;

std::optional<QByteArray> readWhole(const QString& path)
{
    Expected<QByteArray> bytes = SourceFile::read(path, kMaxPartBytes);
    if (!bytes) {
        return std::nullopt;
    }
    return std::move(bytes.value());
}

}  // namespace

BuildProcedure::BuildProcedure(const EditableShow& show, Prompter& prompter,
                               QString applicationFolder)
    : show_(show), prompter_(prompter), applicationFolder_(std::move(applicationFolder))
{}

QString BuildProcedure::templatePath(const BuildRequest& request) const
{
    return withSeparator(applicationFolder_) + SaverTargets::templateName(request.target);
}

QString BuildProcedure::withSeparator(const QString& folder)
{
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QDir::separator())) {
        return folder;
    }
    return folder + QDir::separator();
}

QString BuildProcedure::outputPath(const BuildRequest& request)
{
    return withSeparator(request.destinationFolder) + request.fileName + kOutputSuffix;
}

BuildProcedure::Outcome BuildProcedure::refuse(const QString& text, const QString& title)
{
    return Outcome{Outcome::Kind::Refused, text, title};
}

void BuildProcedure::tell(const Outcome& outcome, Prompter& prompter)
{
    switch (outcome.kind) {
        case Outcome::Kind::Created:
            prompter.tell(kCreated, kTitle, Icon::Information);
            break;
        case Outcome::Kind::Refused:
            prompter.tell(outcome.message, outcome.title, Icon::Warning);
            break;
        case Outcome::Kind::Stopped:
            break;
    }
}

BuildProcedure::Outcome BuildProcedure::run(BuildRequest& request, const Hooks& hooks)
{
    if (show_.slideCount() == 0) {
        return refuse(PackagePlan::noSlidesMessage(), kTitle);
    }
    if (!QFileInfo(request.destinationFolder).isDir()) {
        return refuse(kFolderMissing, kTitle);
    }
    const QString output = outputPath(request);
    const QFileInfo outputInfo(output);
    auto existing = AtomicFileWriter::Existing::Keep;
    if (outputInfo.exists() && !outputInfo.isDir()) {
        const QString question =
            kExistsHead + kLineBreak + kLineBreak + output + kLineBreak + kLineBreak + kExistsTail;
        if (prompter_.ask(question, kTitle, Icon::Question, Prompter::Buttons::YesNo) !=
            Prompter::Answer::Yes) {
            return Outcome{};
        }
        existing = AtomicFileWriter::Existing::Replace;
    }

    const Expected<PackagePlan> plan = PackagePlan::make(show_, request.soundSwitch ? 1 : 0);
    if (!plan) {
        return refuse(plan.error(), kFailureTitle);
    }

    const QString templateFile = templatePath(request);
    std::optional<QByteArray> templateBytes = readWhole(templateFile);
    if (!templateBytes) {
        return refuse(templateMissing(templateFile), kFailureTitle);
    }
    if (std::optional<Outcome> refused = patchIcon(*templateBytes, request)) {
        return *refused;
    }
    if (std::optional<Outcome> refused = patchTemplate(*templateBytes, request)) {
        return *refused;
    }

    if (hooks.writingStarts) {
        hooks.writingStarts();
    }
    const Status written = write(output, existing, *templateBytes, plan.value(), hooks);
    if (hooks.writingEnds) {
        hooks.writingEnds();
    }
    if (!written) {
        // A cancelled build ends silently.
        return written.error().isEmpty() ? Outcome{} : refuse(written.error(), kFailureTitle);
    }
    return Outcome{Outcome::Kind::Created, {}, {}};
}

std::optional<BuildProcedure::Outcome> BuildProcedure::patchIcon(QByteArray& templateBytes,
                                                                 const BuildRequest& request)
{
    if (request.chosenIconPath == request.defaultIconPath) {
        return std::nullopt;
    }
    const std::optional<QByteArray> defaultIcon = readWhole(request.defaultIconPath);
    if (!defaultIcon) {
        return refuse(iconMissing(request.defaultIconPath), kFailureTitle);
    }
    const std::optional<QByteArray> chosenIcon = readWhole(request.chosenIconPath);
    if (!chosenIcon) {
        return refuse(iconMissing(request.chosenIconPath), kFailureTitle);
    }
    switch (IconPatch::apply(templateBytes, *defaultIcon, *chosenIcon)) {
        case IconPatch::Outcome::Replaced:
            return std::nullopt;
        case IconPatch::Outcome::DefaultIconTooShort:
            return refuse(iconBroken(request.defaultIconPath), kFailureTitle);
        case IconPatch::Outcome::ChosenIconTooShort:
            return refuse(iconBroken(request.chosenIconPath), kFailureTitle);
        case IconPatch::Outcome::ChosenIconTooLarge:
            return refuse(iconTooLarge(request.chosenIconPath), kTitle);
        case IconPatch::Outcome::DefaultIconNotFound:
            break;
    }
    return refuse(templateIconMissing(templatePath(request)), kFailureTitle);
}

std::optional<BuildProcedure::Outcome> BuildProcedure::patchTemplate(QByteArray& templateBytes,
                                                                     BuildRequest& request)
{
    if (const auto missing = VersionPatch::findMissing(templateBytes)) {
        return refuse(
            templateKeyMissing(templatePath(request), VersionResource::kFields[*missing].key),
            kFailureTitle);
    }
    if (request.majorVersion.isEmpty()) {
        request.majorVersion = QStringLiteral("0");
    }
    const QString version =
        VersionResource::versionText(request.majorVersion, request.minorVersion);
    VersionResource::Values values;
    values[VersionResource::Comments] = request.comment;
    values[VersionResource::CompanyName] = request.companyName;
    values[VersionResource::FileDescription] = request.description;
    values[VersionResource::LegalCopyright] = request.copyright;
    values[VersionResource::LegalTrademarks] = request.trademark;
    values[VersionResource::ProductName] = request.productName;
    values[VersionResource::FileVersion] = version;
    values[VersionResource::ProductVersion] = version;
    values[VersionResource::InternalName] = request.fileName;
    values[VersionResource::OriginalFilename] = request.fileName + kOutputSuffix;
    VersionPatch::apply(templateBytes, values);
    return std::nullopt;
}

Status BuildProcedure::write(const QString& path, AtomicFileWriter::Existing existing,
                             const QByteArray& templateBytes, const PackagePlan& plan,
                             const Hooks& hooks)
{
    const qint64 total = templateBytes.size() + plan.packageSize;
    bool cancelled = false;
    const auto progress = [&](qint64 done, qint64) {
        if (hooks.progress && !hooks.progress(templateBytes.size() + done, total)) {
            cancelled = true;
        }
        return !cancelled;
    };

    AtomicFileWriter writer(path, existing);
    if (Status opened = writer.open(); !opened) {
        return opened;
    }
    QIODevice& device = writer.device();
    if (device.write(templateBytes) != templateBytes.size()) {
        return Status::failure(cannotWrite(path, device.errorString()));
    }
    const Status written = PackageWriter::write(plan, device, progress);
    if (cancelled) {
        return Status::failure(QString());
    }
    if (!written) {
        return writer.explain(written);
    }
    writer.makeExecutable();
    return writer.commit();
}
