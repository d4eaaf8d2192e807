#include "WorkspaceFile.h"

#include "document/AtomicFileWriter.h"
#include "document/BinaryReader.h"
#include "document/BinaryWriter.h"
#include "document/ByteView.h"
#include "document/ShowDocument.h"
#include "document/SourceFile.h"
#include "document/TextCodec.h"

#include <QFile>

#include <memory>

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
constexpr qint64 kProbeBytes = 4096;

QString readText(BinaryReader& reader)
{
    return TextCodec::decode(ByteView::toQt(reader.text()));
}

// The fields of one slide; the caller checks the reader afterwards.
WorkspaceSlide readSlide(BinaryReader& reader)
{
    WorkspaceSlide slide;
    slide.ImagePath = readText(reader);
    slide.DisplayTime = reader.int32();
    slide.PosX = reader.int32();
    slide.PosY = reader.int32();
    slide.EffectNumber = reader.int32();
    slide.SoundPath = readText(reader);
    slide.KeepPrevious = reader.int16();
    slide.Transparent = reader.int16();
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
    BinaryReader reader(ByteView::of(bytes));
    WorkspaceRecord record;
    record.FormatTag = readText(reader);
    if (reader.failed() || record.FormatTag != WorkspaceRecord::kFormatTag) {
        return Result::failure(kWrongTag);
    }
    record.BgmPath = readText(reader);
    record.BackColor = reader.uint32();
    record.CanvasWidth = reader.int32();
    record.CanvasHeight = reader.int32();
    const BinaryReader::ArrayHeader header = reader.arrayHeader();
    if (reader.failed()) {
        return Result::failure(kTruncated);
    }
    if (!ShowDocument::isCanvasSide(record.CanvasWidth) ||
        !ShowDocument::isCanvasSide(record.CanvasHeight)) {
        return Result::failure(kCanvasOutOfRange);
    }
    if (!header.isPlainList()) {
        return Result::failure(kBadArray);
    }
    if (header.count == 0) {
        return Result::failure(kNoSlides);
    }
    if (header.count > ShowDocument::kMaxSlides) {
        return Result::failure(kTooManySlides);
    }
    if (std::int64_t{header.count} * kMinSlideBytes > reader.remaining()) {
        return Result::failure(kCountBeyondFile);
    }
    record.Slides.reserve(header.count);
    for (qint32 i = 0; i < header.count; ++i) {
        record.Slides.append(readSlide(reader));
    }
    if (reader.failed()) {
        return Result::failure(kTruncated);
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
        return writer.explain(Status::failure(writer.device().errorString()));
    }
    return writer.commit();
}

Expected<WorkspaceRecord> WorkspaceFile::load(const QString& path)
{
    const Expected<std::unique_ptr<QFile>> opened = SourceFile::open(path);
    if (!opened) {
        return Expected<WorkspaceRecord>::failure(opened.error());
    }
    QFile& file = *opened.value();
    const qint64 size = file.size();
    if (size == 0) {
        // Files of the system's information folders tell no size but have contents.
        const QByteArray probe = file.read(kProbeBytes);
        return probe.isEmpty() ? Expected<WorkspaceRecord>::failure(kEmptyFile) : decode(probe);
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
