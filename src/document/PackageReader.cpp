#include "PackageReader.h"

#include "document/BinaryReader.h"
#include "document/PackageLayout.h"
#include "document/ShowDocument.h"

#include <optional>

namespace {

using Result = Expected<PackageView>;

constexpr qsizetype kMaxKeyDigits = 5;  // slide indexes are below 32768

Result broken(const QString& detail)
{
    return Result::failure(QStringLiteral("パッケージが壊れています: ") + detail);
}

const QString kTruncated = QStringLiteral("途中で終わっています");

// A decimal slide index without sign, blanks or leading zeros.
std::optional<int> parseIndex(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > kMaxKeyDigits || (text.size() > 1 && text[0] == '0')) {
        return std::nullopt;
    }
    int value = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        value = value * 10 + (digit - '0');
    }
    return value;
}

std::optional<int> parseSoundKey(QByteArrayView text)
{
    const QByteArray suffix = PackageLayout::kSoundSuffix.toLatin1();
    if (!text.endsWith(suffix)) {
        return std::nullopt;
    }
    return parseIndex(text.chopped(suffix.size()));
}

// A byte block: nothing (no dimensions) or one dimension from 0 with its bytes.
struct Block {
    bool present = false;
    QByteArrayView data;

    bool isSharedMarker() const
    {
        return present && data.size() == 1 && data[0] == PackageLayout::kSharedMarker;
    }
};

std::optional<Block> readBlock(BinaryReader& reader, QString& error)
{
    const BinaryReader::ArrayHeader header = reader.arrayHeader();
    if (reader.failed()) {
        error = kTruncated;
        return std::nullopt;
    }
    if (header.dimensions == 0) {
        return Block{};
    }
    if (!header.isPlainList()) {
        error = QStringLiteral("データの配列の形式が違います");
        return std::nullopt;
    }
    const QByteArrayView data = reader.bytes(header.count);
    if (reader.failed()) {
        error = kTruncated;
        return std::nullopt;
    }
    return Block{true, data};
}

class PackageParser {
public:
    explicit PackageParser(QByteArrayView bytes) : reader_(bytes) {}

    Result parse()
    {
        PackageView view;
        view.CanvasWidth = reader_.int32();
        view.CanvasHeight = reader_.int32();
        view.BackColor = reader_.uint32();
        view.SoundSwitchable = reader_.int16();
        const qint32 slideCount = reader_.int32();
        view.bgmName = QString::fromLatin1(reader_.text());
        if (reader_.failed()) {
            return broken(kTruncated);
        }
        // A canvas the editor could not make would only exhaust memory.
        if (!ShowDocument::isCanvasSide(view.CanvasWidth) ||
            !ShowDocument::isCanvasSide(view.CanvasHeight)) {
            return broken(QStringLiteral("キャンバスの大きさが範囲外です"));
        }
        if (!view.bgmName.isEmpty() && view.bgmName != PackageLayout::kBgmMidiName &&
            view.bgmName != PackageLayout::kBgmWaveName) {
            return broken(QStringLiteral("BGMの名前が違います"));
        }
        QString error;
        const std::optional<Block> bgm = readBlock(reader_, error);
        if (!bgm) {
            return broken(error);
        }
        if (!view.bgmName.isEmpty() && !bgm->present) {
            return broken(QStringLiteral("BGMのデータがありません"));
        }
        view.bgmData = bgm->data;

        const BinaryReader::ArrayHeader slides = reader_.arrayHeader();
        if (reader_.failed()) {
            return broken(kTruncated);
        }
        if (!slides.isPlainList()) {
            return broken(QStringLiteral("スライドの配列の形式が違います"));
        }
        if (slides.count != slideCount) {
            return broken(QStringLiteral("スライドの数が合いません"));
        }
        if (slides.count == 0 || slides.count > ShowDocument::kMaxSlides) {
            return broken(QStringLiteral("スライドの数が範囲外です"));
        }
        if (qsizetype(slides.count) * PackageLayout::kMinSlideEntry > reader_.remaining()) {
            return broken(kTruncated);
        }
        view.slides.reserve(slides.count);
        for (int i = 0; i < slides.count; ++i) {
            std::optional<PackageSlide> slide = parseSlide(i, view.slides, error);
            if (!slide) {
                return broken(QStringLiteral("スライド%1: ").arg(i) + error);
            }
            view.slides.append(std::move(*slide));
        }

        const qint32 size = reader_.int32();
        if (reader_.failed()) {
            return broken(kTruncated);
        }
        if (size != reader_.position()) {
            return broken(QStringLiteral("PackageSizeが実際の大きさと合いません"));
        }
        if (reader_.remaining() != 0) {
            return broken(QStringLiteral("後ろに余分なデータがあります"));
        }
        view.PackageSize = size;
        return view;
    }

private:
    std::optional<PackageSlide> parseSlide(int index, const QList<PackageSlide>& earlier,
                                           QString& error)
    {
        PackageSlide slide;
        const QByteArrayView ref = reader_.text();
        const QByteArrayView sound = reader_.text();
        slide.DisplayTime = reader_.int32();
        slide.PosX = reader_.int32();
        slide.PosY = reader_.int32();
        slide.EffectNumber = reader_.int32();
        slide.SpeedIndex = reader_.int32();
        slide.KeepPrevious = reader_.int16();
        slide.Transparent = reader_.int16();
        if (reader_.failed()) {
            error = kTruncated;
            return std::nullopt;
        }
        slide.imageRef = QString::fromLatin1(ref);
        slide.soundPath = QString::fromLatin1(sound);

        const std::optional<Block> image = readBlock(reader_, error);
        if (!image) {
            return std::nullopt;
        }
        const std::optional<int> imageHolder = parseIndex(ref);
        if (!imageHolder || *imageHolder > index) {
            error = QStringLiteral("ImageRefが不正です");
            return std::nullopt;
        }
        slide.imageHolder = *imageHolder;
        if (*imageHolder == index) {
            if (!image->present || image->data.isEmpty()) {
                error = QStringLiteral("イメージのデータがありません");
                return std::nullopt;
            }
            slide.imageData = image->data;
        } else {
            const PackageSlide& holder = earlier[*imageHolder];
            if (holder.imageHolder != *imageHolder || !image->isSharedMarker()) {
                error = QStringLiteral("共有イメージの参照が不正です");
                return std::nullopt;
            }
            slide.imageData = holder.imageData;
        }

        const std::optional<Block> soundBlock = readBlock(reader_, error);
        if (!soundBlock) {
            return std::nullopt;
        }
        if (sound.isEmpty()) {
            if (soundBlock->present) {
                error = QStringLiteral("効果音のないスライドにデータがあります");
                return std::nullopt;
            }
            return slide;
        }
        const std::optional<int> soundHolder = parseSoundKey(sound);
        if (!soundHolder || *soundHolder > index) {
            error = QStringLiteral("効果音の名前が不正です");
            return std::nullopt;
        }
        slide.soundHolder = *soundHolder;
        if (*soundHolder == index) {
            if (!soundBlock->present || soundBlock->data.isEmpty()) {
                error = QStringLiteral("効果音のデータがありません");
                return std::nullopt;
            }
            slide.soundData = soundBlock->data;
        } else {
            const PackageSlide& holder = earlier[*soundHolder];
            if (holder.soundHolder != *soundHolder || !soundBlock->isSharedMarker()) {
                error = QStringLiteral("共有効果音の参照が不正です");
                return std::nullopt;
            }
            slide.soundData = holder.soundData;
        }
        return slide;
    }

    BinaryReader reader_;
};

}  // namespace

Expected<PackageView> PackageReader::read(QByteArrayView bytes)
{
    return PackageParser(bytes).parse();
}

Expected<PackageView> PackageReader::readTrailing(QByteArrayView file)
{
    if (file.size() < PackageLayout::kSizeField) {
        return broken(kTruncated);
    }
    BinaryReader tail(file.last(PackageLayout::kSizeField));
    const qint32 size = tail.int32();
    if (size <= 0 || size > file.size()) {
        return broken(QStringLiteral("PackageSizeがファイルの大きさと合いません"));
    }
    return read(file.last(size));
}
