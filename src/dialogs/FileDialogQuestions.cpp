#include "dialogs/FileDialogQuestions.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

const QChar kNul(u'\0');

const FileDialogQuestions::Filter kWorkspaceFilter{QStringLiteral("クレモアファイル(*.kwp)"),
                                                   QStringLiteral("*.kwp")};
const FileDialogQuestions::Filter kWaveFilter{QStringLiteral("WAVE サウンド(*.wav)"),
                                              QStringLiteral("*.wav")};

}  // namespace

const FileDialogQuestions::Question FileDialogQuestions::kWorkspaceSave{
    QStringLiteral("作業中のデータ―を保存"), {kWorkspaceFilter}, 1, true, false};
const FileDialogQuestions::Question FileDialogQuestions::kWorkspaceOpen{
    QStringLiteral("作業ファイルを開く"), {kWorkspaceFilter}, 1, false, false};
const FileDialogQuestions::Question FileDialogQuestions::kImageFiles{
    QStringLiteral("イメージの追加"),
    {{QStringLiteral("ビットマップ&JPEG(*.bmp;*.jpg)"), QStringLiteral("*.bmp;*.jpg")},
     {QStringLiteral("ビットマップ(*.bmp)"), QStringLiteral("*.bmp")},
     {QStringLiteral("JPEG(*.jpg)"), QStringLiteral("*.jpg")}},
    1,
    false,
    true};
const FileDialogQuestions::Question FileDialogQuestions::kBgmFile{
    QStringLiteral("BGMの追加"),
    {{QStringLiteral("MIDI シーケンス(*.mid;*.midi)"), QStringLiteral("*.mid;*.midi")},
     kWaveFilter,
     {QStringLiteral("MIDI&WAVE"), QStringLiteral("*.mid;*.midi;*.wav")}},
    3,
    false,
    false};
const FileDialogQuestions::Question FileDialogQuestions::kSoundFile{
    QStringLiteral("効果音の追加"), {kWaveFilter}, 1, false, false};
const FileDialogQuestions::Question FileDialogQuestions::kIconFile{
    QStringLiteral("アイコンの変更"),
    {{QStringLiteral("アイコンファイル(*.ico)"), QStringLiteral("*.ico")}},
    1,
    false,
    false};

FileDialogQuestions::FileDialogQuestions(QWidget* owner) : owner_(owner) {}

void FileDialogQuestions::setOwner(QWidget* owner)
{
    owner_ = owner;
}

QString FileDialogQuestions::AskWorkspaceSavePath()
{
    return ask(kWorkspaceSave, owner_);
}

QString FileDialogQuestions::AskWorkspaceOpenPath()
{
    return ask(kWorkspaceOpen, owner_);
}

QString FileDialogQuestions::AskImageFiles()
{
    return ask(kImageFiles, owner_);
}

QString FileDialogQuestions::AskBgmFile()
{
    return ask(kBgmFile, owner_);
}

QString FileDialogQuestions::AskSoundFile()
{
    return ask(kSoundFile, owner_);
}

QString FileDialogQuestions::AskIconFile(QWidget* owner)
{
    return ask(kIconFile, owner);
}

QString FileDialogQuestions::BrowseForFolder(QWidget* owner)
{
    const QString folder = QFileDialog::getExistingDirectory(owner);
    return folder.isEmpty() ? QString() : QDir::toNativeSeparators(folder);
}

QString FileDialogQuestions::nameFilter(const Filter& filter)
{
    // QFileDialog takes the patterns from the last parentheses and splits them at spaces;
    // with the filter details hidden, it shows what comes before them.
    QString spaced = filter.patterns;
    spaced.replace(u';', u' ');
    return filter.description + QStringLiteral(" (") + spaced + u')';
}

void FileDialogQuestions::configure(QFileDialog& dialog, const Question& question)
{
    // The platform's own dialogs would show the patterns a second time, or none.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setWindowTitle(question.title);
    dialog.setDirectory(QDir::currentPath());
    QStringList filters;
    for (const Filter& filter : question.filters) {
        filters.append(nameFilter(filter));
    }
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(question.initialFilter - 1));
    if (question.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The caller asks about an existing file itself.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(question.multipleSelection ? QFileDialog::ExistingFiles
                                                      : QFileDialog::ExistingFile);
    }
}

QString FileDialogQuestions::answerText(const QStringList& selectedFiles)
{
    if (selectedFiles.isEmpty()) {
        return QString();
    }
    if (selectedFiles.size() == 1) {
        return QDir::toNativeSeparators(selectedFiles.first());
    }
    const QDir folder = QFileInfo(selectedFiles.first()).absoluteDir();
    QStringList parts{QDir::toNativeSeparators(folder.path())};
    // A name typed with a path of its own may lie in another folder; it stays relative to the
    // first one so that folder plus name still finds it.
    for (const QString& file : selectedFiles) {
        parts.append(QDir::toNativeSeparators(folder.relativeFilePath(file)));
    }
    return parts.join(kNul);
}

QString FileDialogQuestions::ask(const Question& question, QWidget* owner)
{
    QFileDialog dialog(owner);
    configure(dialog, question);
    if (dialog.exec() != QDialog::Accepted) {
        return QString();
    }
    const QStringList files = dialog.selectedFiles();
    if (!files.isEmpty()) {
        QDir::setCurrent(QFileInfo(files.first()).absolutePath());
    }
    return answerText(files);
}
