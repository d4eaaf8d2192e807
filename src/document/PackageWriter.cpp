#include "PackageWriter.h"

#include "document/BinaryWriter.h"
#include "document/PackageLayout.h"
#include "document/SourceFile.h"
#include "document/TextCodec.h"

#include <QFile>

namespace {

constexpr qint64 kChunkSize = 1 << 20;

// Writes the small fields through a buffer and copies source files in chunks, counting bytes
// and reporting progress.
class PackageStream {
public:
    PackageStream(QIODevice& out, qint64 total, const PackageWriter::Progress& progress)
        : out_(out), total_(total), progress_(progress), fields_(fieldsBuffer_)
    {}

    BinaryWriter& fields() { return fields_; }

    Status flushFields()
    {
        const Status written = put(fieldsBuffer_.constData(), fieldsBuffer_.size());
        fieldsBuffer_.clear();
        return written;
    }

    Status copyFile(const PackagePlan::Source& source)
    {
        if (const Status flushed = flushFields(); !flushed) {
            return flushed;
        }
        const Expected<std::unique_ptr<QFile>> opened = SourceFile::open(source.path);
        if (!opened) {
            return Status::failure(QStringLiteral("ファイル(") + source.path +
                                   QStringLiteral(")を読めません: ") + opened.error());
        }
        QFile& file = *opened.value();
        if (file.size() != source.size) {
            return changed(source.path);
        }
        if (chunk_.isEmpty()) {
            chunk_.resize(kChunkSize);
        }
        qint64 left = source.size;
        while (left > 0) {
            const qint64 got = file.read(chunk_.data(), qMin(left, kChunkSize));
            if (got <= 0) {
                return changed(source.path);
            }
            if (const Status written = put(chunk_.constData(), got); !written) {
                return written;
            }
            if (progress_ && !progress_(done_, total_)) {
                return Status::failure(QStringLiteral("中止しました"));
            }
            left -= got;
        }
        return Status::success();
    }

    qint64 done() const { return done_; }

private:
    static Status changed(const QString& path)
    {
        return Status::failure(QStringLiteral("ファイル(") + path +
                               QStringLiteral(")が作成中に変更されました"));
    }

    Status put(const char* data, qint64 size)
    {
        if (size > 0 && out_.write(data, size) != size) {
            return Status::failure(QStringLiteral("書き込めません: ") + out_.errorString());
        }
        done_ += size;
        return Status::success();
    }

    QIODevice& out_;
    qint64 total_;
    const PackageWriter::Progress& progress_;
    QByteArray fieldsBuffer_;
    BinaryWriter fields_;
    QByteArray chunk_;
    qint64 done_ = 0;
};

// A block of one file's bytes, or the one zero byte of a slide that shares its file.
Status writeBlock(PackageStream& stream, const PackagePlan::Source& source, bool shared)
{
    if (shared) {
        stream.fields().arrayHeader(1);
        stream.fields().raw(QByteArrayView(&PackageLayout::kSharedMarker, 1));
        return Status::success();
    }
    stream.fields().arrayHeader(qint32(source.size));
    return stream.copyFile(source);
}

}  // namespace

Status PackageWriter::write(const PackagePlan& plan, QIODevice& out, const Progress& progress)
{
    PackageStream stream(out, plan.packageSize, progress);
    BinaryWriter& fields = stream.fields();
    const ShowDocument& record = plan.record;
    fields.int32(record.CanvasWidth);
    fields.int32(record.CanvasHeight);
    fields.uint32(record.BackColor);
    fields.int16(record.SoundSwitchable);
    fields.int32(qint32(plan.slides.size()));
    fields.text(TextCodec::encode(plan.bgmName));
    if (plan.bgm.path.isEmpty()) {
        fields.noDimensions();
    } else if (const Status written = writeBlock(stream, plan.bgm, false); !written) {
        return written;
    }

    fields.arrayHeader(qint32(plan.slides.size()));
    for (qsizetype i = 0; i < plan.slides.size(); ++i) {
        const PackagePlan::Slide& slide = plan.slides[i];
        const SlideItem item = record.Slides.value(i);
        fields.text(TextCodec::encode(slide.imageRef));
        fields.text(TextCodec::encode(slide.soundKey));
        fields.int32(item.DisplayTime);
        fields.int32(item.PosX);
        fields.int32(item.PosY);
        fields.int32(item.EffectNumber);
        fields.int32(item.SpeedIndex);
        fields.int16(item.KeepPrevious);
        fields.int16(item.Transparent);
        if (const Status written = writeBlock(stream, slide.image, slide.imageShared); !written) {
            return written;
        }
        if (!slide.hasSound) {
            fields.noDimensions();
        } else if (const Status written = writeBlock(stream, slide.sound, slide.soundShared);
                   !written) {
            return written;
        }
    }
    fields.int32(qint32(plan.packageSize));
    if (const Status flushed = stream.flushFields(); !flushed) {
        return flushed;
    }
    if (stream.done() != plan.packageSize) {
        return Status::failure(QStringLiteral("パッケージの大きさが計算と合いません"));
    }
    if (progress && !progress(stream.done(), plan.packageSize)) {
        return Status::failure(QStringLiteral("中止しました"));
    }
    return Status::success();
}
