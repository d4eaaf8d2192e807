#include "WorkspaceFile.h"

#include "document/AtomicFileWriter.h"
#include "document/BinaryReader.h"
#include "document/BinaryWriter.h"
#include "document/ShowDocument.h"
#include "document/TextCodec.h"

#include <QFile>

#include <optional>

namespace {

// The smallest slide: an empty image path, four 32-bit fields, an empty sound path, two flags.
constexpr qsizetype kMinSlideBytes = 2 + 4 * 4 + 2 + 2 + 2;

const QString kEmptyFile = QStringLiteral("ファイルが空です");
const QString kWrongTag = QStringLiteral("作業ファイルの形式ではありません");
const QString kTruncated = QStringLiteral("ファイルが途中で終わっています");
const QString kBadArray = QStringLiteral("スライドの配列の形式が違います");
const QString kNoSlides = QStringLiteral("スライドがありません");
const QString kTooManySlides = QStringLiteral("スライドが多すぎます");
const QString kCountBeyondFile = QStringLiteral("スライドの数がファイルの大きさに合いません");

std::optional<QString> readText(BinaryReader& reader)
{
    const std::optional<QByteArrayView> bytes = reader.text();
    if (!bytes) {
        return std::nullopt;
    }
    return TextCodec::decode(*bytes);
}

std::optional<WorkspaceSlide> readSlide(BinaryReader& reader)
{
    WorkspaceSlide slide;
    const std::optional<QString> image = readText(reader);
    const std::optional<qint32> displayTime = image ? reader.int32() : std::nullopt;
    const std::optional<qint32> posX = displayTime ? reader.int32() : std::nullopt;
    const std::optional<qint32> posY = posX ? reader.int32() : std::nullopt;
    const std::optional<qint32> effect = posY ? reader.int32() : std::nullopt;
    const std::optional<QString> sound = effect ? readText(reader) : std::nullopt;
    const std::optional<qint16> keep = sound ? reader.int16() : std::nullopt;
    const std::optional<qint16> transparent = keep ? reader.int16() : std::nullopt;
    if (!transparent) {
        return std::nullopt;
    }
    slide.ImagePath = *image;
    slide.DisplayTime = *displayTime;
    slide.PosX = *posX;
    slide.PosY = *posY;
    slide.EffectNumber = *effect;
    slide.SoundPath = *sound;
    slide.KeepPrevious = *keep;
    slide.Transparent = *transparent;
    return slide;
}

QString textTooLong(const QString& text)
{
    return QStringLiteral("パスが長すぎます(") + text + QStringLiteral(")");
}

}  // namespace

QString WorkspaceFile::withWorkspaceSuffix(const QString& name)
{
    return name.right(kSuffix.size()).toLower() == kSuffix ? name : name + kSuffix;
}

QByteArray WorkspaceFile::encode(const WorkspaceRecord& record)
{
    QByteArray out;
    BinaryWriter writer(out);
    writer.text(TextCodec::encode(record.FormatTag));
    writer.text(TextCodec::encode(record.BgmPath));
    writer.uint32(record.BackColor);
    writer.int32(record.CanvasWidth);
    writer.int32(record.CanvasHeight);
    writer.arrayHeader(qint32(record.Slides.size()));
    for (const WorkspaceSlide& slide : record.Slides) {
        writer.text(TextCodec::encode(slide.ImagePath));
        writer.int32(slide.DisplayTime);
        writer.int32(slide.PosX);
        writer.int32(slide.PosY);
        writer.int32(slide.EffectNumber);
        writer.text(TextCodec::encode(slide.SoundPath));
        writer.int16(slide.KeepPrevious);
        writer.int16(slide.Transparent);
    }
    return out;
}

Expected<WorkspaceRecord> WorkspaceFile::decode(QByteArrayView bytes)
{
    using Result = Expected<WorkspaceRecord>;
    if (bytes.isEmpty()) {
        return Result::failure(kEmptyFile);
    }
    BinaryReader reader(bytes);
    WorkspaceRecord record;
    const std::optional<QString> tag = readText(reader);
    if (!tag || *tag != WorkspaceRecord::kFormatTag) {
        return Result::failure(kWrongTag);
    }
    const std::optional<QString> bgm = readText(reader);
    const std::optional<quint32> backColor = bgm ? reader.uint32() : std::nullopt;
    const std::optional<qint32> width = backColor ? reader.int32() : std::nullopt;
    const std::optional<qint32> height = width ? reader.int32() : std::nullopt;
    const std::optional<BinaryReader::ArrayHeader> header =
        height ? reader.arrayHeader() : std::nullopt;
    if (!header) {
        return Result::failure(kTruncated);
    }
    if (!header->isPlainList()) {
        return Result::failure(kBadArray);
    }
    if (header->count == 0) {
        return Result::failure(kNoSlides);
    }
    if (header->count > ShowDocument::kMaxSlides) {
        return Result::failure(kTooManySlides);
    }
    if (qsizetype(header->count) * kMinSlideBytes > reader.remaining()) {
        return Result::failure(kCountBeyondFile);
    }
    record.FormatTag = *tag;
    record.BgmPath = *bgm;
    record.BackColor = *backColor;
    record.CanvasWidth = *width;
    record.CanvasHeight = *height;
    record.Slides.reserve(header->count);
    for (qint32 i = 0; i < header->count; ++i) {
        std::optional<WorkspaceSlide> slide = readSlide(reader);
        if (!slide) {
            return Result::failure(kTruncated);
        }
        record.Slides.append(std::move(*slide));
    }
    return record;
}

Status WorkspaceFile::validate(const WorkspaceRecord& record)
{
    if (record.Slides.isEmpty()) {
        return Status::failure(kNoSlides);
    }
    if (record.Slides.size() > ShowDocument::kMaxSlides) {
        return Status::failure(kTooManySlides);
    }
    auto fits = [](const QString& text) {
        return TextCodec::encode(text).size() <= BinaryWriter::kMaxTextBytes;
    };
    if (!fits(record.BgmPath)) {
        return Status::failure(textTooLong(record.BgmPath));
    }
    for (const WorkspaceSlide& slide : record.Slides) {
        if (!fits(slide.ImagePath)) {
            return Status::failure(textTooLong(slide.ImagePath));
        }
        if (!fits(slide.SoundPath)) {
            return Status::failure(textTooLong(slide.SoundPath));
        }
    }
    return Status::success();
}

Status WorkspaceFile::save(const QString& path, const WorkspaceRecord& record)
{
    if (const Status valid = validate(record); !valid) {
        return valid;
    }
    const QByteArray bytes = encode(record);
    AtomicFileWriter writer(path);
    if (const Status opened = writer.open(); !opened) {
        return opened;
    }
    if (writer.device().write(bytes) != bytes.size()) {
        return Status::failure(QStringLiteral("ファイル(") + path +
                               QStringLiteral(")に書き込めません: ") +
                               writer.device().errorString());
    }
    return writer.commit();
}

Expected<WorkspaceRecord> WorkspaceFile::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Expected<WorkspaceRecord>::failure(file.errorString());
    }
    const qint64 size = file.size();
    if (size == 0) {
        return Expected<WorkspaceRecord>::failure(kEmptyFile);
    }
    // Mapped rather than read, so even a huge file chosen by mistake costs no memory.
    if (const uchar* mapped = file.map(0, size)) {
        return decode(QByteArrayView(mapped, size));
    }
    return decode(file.readAll());
}

WorkspaceRecord WorkspaceFile::fromShow(const EditableShow& show)
{
    WorkspaceRecord record;
    record.BgmPath = show.bgmPath;
    record.BackColor = show.backColor;
    record.CanvasWidth = show.canvasWidth;
    record.CanvasHeight = show.canvasHeight;
    record.Slides.reserve(show.imagePaths.size());
    for (qsizetype i = 0; i < show.imagePaths.size(); ++i) {
        const SlideItem item = show.document.Slides.value(i);
        WorkspaceSlide slide;
        slide.ImagePath = show.imagePaths[i];
        slide.DisplayTime = item.DisplayTime;
        slide.PosX = item.PosX;
        slide.PosY = item.PosY;
        slide.EffectNumber = item.EffectNumber;
        slide.SoundPath = item.SoundPath;
        slide.KeepPrevious = item.KeepPrevious;
        slide.Transparent = item.Transparent;
        record.Slides.append(slide);
    }
    return record;
}

EditableShow WorkspaceFile::toShow(const WorkspaceRecord& record)
{
    EditableShow show;
    show.bgmPath = record.BgmPath;
    show.backColor = record.BackColor;
    show.canvasWidth = record.CanvasWidth;
    show.canvasHeight = record.CanvasHeight;
    ShowDocument& document = show.document;
    document.BackColor = record.BackColor;
    document.CanvasWidth = record.CanvasWidth;
    document.CanvasHeight = record.CanvasHeight;
    document.SlideCount = qint32(record.Slides.size());
    document.Slides.reserve(record.Slides.size());
    for (const WorkspaceSlide& slide : record.Slides) {
        show.imagePaths.append(slide.ImagePath);
        SlideItem item;
        item.DisplayTime = slide.DisplayTime;
        item.PosX = slide.PosX;
        item.PosY = slide.PosY;
        item.EffectNumber = slide.EffectNumber;
        item.SoundPath = slide.SoundPath;
        item.KeepPrevious = slide.KeepPrevious;
        item.Transparent = slide.Transparent;
        document.Slides.append(item);
    }
    return show;
}
