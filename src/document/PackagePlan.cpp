#include "PackagePlan.h"

#include "document/BinaryWriter.h"
#include "document/PackageLayout.h"
#include "document/SourceFile.h"
#include "document/TextCodec.h"

#include <QHash>

#include <optional>

namespace {

constexpr int kBgmSuffixLength = 3;

using Result = Expected<PackagePlan>;

QString bgmNameFor(const QString& path)
{
    const QString suffix = path.right(kBgmSuffixLength).toLower();
    if (suffix == QLatin1String("mid") || suffix == QLatin1String("idi")) {
        return QString::fromLatin1(PackageLayout::kBgmMidiName);
    }
    if (suffix == QLatin1String("wav")) {
        return QString::fromLatin1(PackageLayout::kBgmWaveName);
    }
    return QString();
}

bool pathFits(const QString& path)
{
    return TextCodec::encode(path).size() <= BinaryWriter::kMaxTextBytes;
}

// The messages for one kind of source file (image or sound).
struct SourceMessages {
    QString (*missing)(const QString&);
    QString (*empty)(const QString&);
    QString (*tooLong)(const QString&);
};

// Checks one file that is to be stored: the refusal message, or its size.
std::optional<QString> checkSource(const QString& path, const SourceMessages& messages,
                                   qint64& size)
{
    if (!pathFits(path)) {
        return messages.tooLong(path);
    }
    const std::optional<qint64> found = SourceFile::sizeOf(path);
    if (!found) {
        return messages.missing(path);
    }
    if (*found == 0) {
        return messages.empty(path);
    }
    size = *found;
    return std::nullopt;
}

qint64 textSize(const QString& text)
{
    return PackageLayout::kTextCount + TextCodec::encode(text).size();
}

qint64 packageSizeOf(const PackagePlan& plan)
{
    using namespace PackageLayout;
    qint64 size = kShowFields + textSize(plan.bgmName);
    size += plan.bgm.path.isEmpty() ? kNoDimensions : blockSize(plan.bgm.size);
    size += kArrayHeader;
    for (const PackagePlan::Slide& slide : plan.slides) {
        size += textSize(slide.imageRef) + textSize(slide.soundKey) + kSlideNumbers;
        size += slide.imageShared ? kSharedBlock : blockSize(slide.image.size);
        if (!slide.hasSound) {
            size += kNoDimensions;
        } else {
            size += slide.soundShared ? kSharedBlock : blockSize(slide.sound.size);
        }
    }
    return size + kSizeField;
}

}  // namespace

Expected<PackagePlan> PackagePlan::make(const EditableShow& show, qint16 soundSwitchable)
{
    const int count = show.imagePaths.size();
    if (count == 0) {
        return Result::failure(noSlidesMessage());
    }
    if (count > ShowDocument::kMaxSlides) {
        return Result::failure(tooManySlidesMessage());
    }

    PackagePlan plan;
    if (!show.bgmPath.isEmpty()) {
        if (!pathFits(show.bgmPath)) {
            return Result::failure(longBgmPathMessage());
        }
        const std::optional<qint64> size = SourceFile::sizeOf(show.bgmPath);
        if (!size) {
            return Result::failure(missingBgmMessage());
        }
        if (*size == 0) {
            return Result::failure(emptyBgmMessage());
        }
        plan.bgmName = bgmNameFor(show.bgmPath);
        plan.bgm = Source{show.bgmPath, *size};
    }

    plan.slides.resize(count);
    const SourceMessages imageMessages{&missingImageMessage, &emptyImageMessage,
                                       &longImagePathMessage};
    // Path -> the first slide that stores it; the comparison is exact, case included.
    QHash<QString, int> holders;
    for (int t = 0; t < count; ++t) {
        const QString& path = show.imagePaths[t];
        Slide& slide = plan.slides[t];
        if (const auto holder = holders.constFind(path); holder != holders.cend()) {
            slide.imageRef = QString::fromStdString(PackageLayout::imageRef(*holder));
            slide.imageShared = true;
            continue;
        }
        qint64 size = 0;
        if (const std::optional<QString> refused = checkSource(path, imageMessages, size)) {
            return Result::failure(*refused);
        }
        slide.imageRef = QString::fromStdString(PackageLayout::imageRef(t));
        slide.image = Source{path, size};
        holders.insert(path, t);
    }

    const SourceMessages soundMessages{&missingSoundMessage, &emptySoundMessage,
                                       &longSoundPathMessage};
    holders.clear();
    for (int t = 0; t < count; ++t) {
        const QString path = show.document.Slides.value(t).SoundPath;
        Slide& slide = plan.slides[t];
        if (path.isEmpty()) {
            continue;
        }
        slide.hasSound = true;
        if (const auto holder = holders.constFind(path); holder != holders.cend()) {
            slide.soundKey = QString::fromStdString(PackageLayout::soundKey(*holder));
            slide.soundShared = true;
            continue;
        }
        qint64 size = 0;
        if (const std::optional<QString> refused = checkSource(path, soundMessages, size)) {
            return Result::failure(*refused);
        }
        slide.soundKey = QString::fromStdString(PackageLayout::soundKey(t));
        slide.sound = Source{path, size};
        holders.insert(path, t);
    }

    ShowDocument& record = plan.record;
    record.CanvasWidth = show.canvasWidth;
    record.CanvasHeight = show.canvasHeight;
    record.BackColor = show.backColor;
    record.SoundSwitchable = soundSwitchable;
    record.SlideCount = count;
    record.Bgm.Name = plan.bgmName;
    record.Slides.reserve(count);
    for (int t = 0; t < count; ++t) {
        SlideItem item = show.document.Slides.value(t);
        item.ImageRef = plan.slides[t].imageRef;
        item.SoundPath = plan.slides[t].soundKey;
        item.ImageData.clear();
        item.SoundData.clear();
        record.Slides.append(item);
    }

    plan.packageSize = packageSizeOf(plan);
    if (plan.packageSize > PackageLayout::kMaxPackageSize) {
        return Result::failure(tooLargeMessage());
    }
    record.PackageSize = qint32(plan.packageSize);
    return plan;
}

QString PackagePlan::missingBgmMessage()
{
    return QStringLiteral("BGMに指定したファイルが見つかりません");
}

QString PackagePlan::missingImageMessage(const QString& path)
{
    return QStringLiteral("イメージファイル(") + path + QStringLiteral(")が見つかりません");
}

QString PackagePlan::missingSoundMessage(const QString& path)
{
    return QStringLiteral("効果音(") + path + QStringLiteral(")が見つかりません");
}

QString PackagePlan::emptyBgmMessage()
{
    return QStringLiteral("BGMに指定したファイルが空です");
}

QString PackagePlan::emptyImageMessage(const QString& path)
{
    return QStringLiteral("イメージファイル(") + path + QStringLiteral(")が空です");
}

QString PackagePlan::emptySoundMessage(const QString& path)
{
    return QStringLiteral("効果音(") + path + QStringLiteral(")が空です");
}

QString PackagePlan::longBgmPathMessage()
{
    return QStringLiteral("BGMに指定したファイルのパスが長すぎます");
}

QString PackagePlan::longImagePathMessage(const QString& path)
{
    return QStringLiteral("イメージファイル(") + path + QStringLiteral(")のパスが長すぎます");
}

QString PackagePlan::longSoundPathMessage(const QString& path)
{
    return QStringLiteral("効果音(") + path + QStringLiteral(")のパスが長すぎます");
}

QString PackagePlan::noSlidesMessage()
{
    return QStringLiteral("スライドが1枚もありません");
}

QString PackagePlan::tooManySlidesMessage()
{
    return QStringLiteral("スライドが多すぎます(32767枚まで)");
}

QString PackagePlan::tooLargeMessage()
{
    return QStringLiteral("ファイルの合計が大きすぎます(2GBまで)");
}
