#include "document/PackageReader.h"

#include "document/BinaryReader.h"
#include "document/PackageLayout.h"
#include "document/ShowLimits.h"

#include <optional>

namespace {

using Result = CoreExpected<PackageView>;

constexpr std::size_t kMaxKeyDigits = 5;  // slide indexes are below 32768

Result broken(const std::string& detail)
{
    return Result::failure("パッケージが壊れています: " + detail);
}

const std::string kTruncated = "途中で終わっています";

// A decimal slide index without sign, blanks or leading zeros.
std::optional<int> parseIndex(std::string_view text)
{
    if (text.empty() || text.size() > kMaxKeyDigits || (text.size() > 1 && text[0] == '0')) {
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

std::optional<int> parseSoundKey(std::string_view text)
{
    if (!text.ends_with(PackageLayout::kSoundSuffix)) {
        return std::nullopt;
    }
    text.remove_suffix(PackageLayout::kSoundSuffix.size());
    return parseIndex(text);
}

// A byte block: nothing (no dimensions) or one dimension from 0 with its bytes.
struct Block {
    bool present = false;
    std::string_view data;

    bool isSharedMarker() const
    {
        return present && data.size() == 1 && data[0] == PackageLayout::kSharedMarker;
    }
};

std::optional<Block> readBlock(BinaryReader& reader, std::string& error)
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
        error = "データの配列の形式が違います";
        return std::nullopt;
    }
    const std::string_view data = reader.bytes(header.count);
    if (reader.failed()) {
        error = kTruncated;
        return std::nullopt;
    }
    return Block{true, data};
}

class PackageParser {
public:
    explicit PackageParser(std::string_view bytes) : reader_(bytes) {}

    Result parse()
    {
        PackageView view;
        view.CanvasWidth = reader_.int32();
        view.CanvasHeight = reader_.int32();
        view.BackColor = reader_.uint32();
        view.SoundSwitchable = reader_.int16();
        const std::int32_t slideCount = reader_.int32();
        view.bgmName = std::string(reader_.text());
        if (reader_.failed()) {
            return broken(kTruncated);
        }
        // A canvas the editor could not make would only exhaust memory.
        if (!ShowLimits::isCanvasSide(view.CanvasWidth) ||
            !ShowLimits::isCanvasSide(view.CanvasHeight)) {
            return broken("キャンバスの大きさが範囲外です");
        }
        if (!view.bgmName.empty() && view.bgmName != PackageLayout::kBgmMidiName &&
            view.bgmName != PackageLayout::kBgmWaveName) {
            return broken("BGMの名前が違います");
        }
        std::string error;
        const std::optional<Block> bgm = readBlock(reader_, error);
        if (!bgm) {
            return broken(error);
        }
        if (!view.bgmName.empty() && !bgm->present) {
            return broken("BGMのデータがありません");
        }
        view.bgmData = bgm->data;

        const BinaryReader::ArrayHeader slides = reader_.arrayHeader();
        if (reader_.failed()) {
            return broken(kTruncated);
        }
        if (!slides.isPlainList()) {
            return broken("スライドの配列の形式が違います");
        }
        if (slides.count != slideCount) {
            return broken("スライドの数が合いません");
        }
        if (slides.count == 0 || slides.count > ShowLimits::kMaxSlides) {
            return broken("スライドの数が範囲外です");
        }
        if (std::int64_t{slides.count} * PackageLayout::kMinSlideEntry > reader_.remaining()) {
            return broken(kTruncated);
        }
        view.slides.reserve(static_cast<std::size_t>(slides.count));
        for (int i = 0; i < slides.count; ++i) {
            std::optional<PackageSlide> slide = parseSlide(i, view.slides, error);
            if (!slide) {
                return broken("スライド" + std::to_string(i) + ": " + error);
            }
            view.slides.push_back(std::move(*slide));
        }

        const std::int32_t size = reader_.int32();
        if (reader_.failed()) {
            return broken(kTruncated);
        }
        if (size != reader_.position()) {
            return broken("PackageSizeが実際の大きさと合いません");
        }
        if (reader_.remaining() != 0) {
            return broken("後ろに余分なデータがあります");
        }
        view.PackageSize = size;
        return view;
    }

private:
    std::optional<PackageSlide> parseSlide(int index, const std::vector<PackageSlide>& earlier,
                                           std::string& error)
    {
        PackageSlide slide;
        const std::string_view ref = reader_.text();
        const std::string_view sound = reader_.text();
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
        slide.imageRef = std::string(ref);
        slide.soundPath = std::string(sound);

        const std::optional<Block> image = readBlock(reader_, error);
        if (!image) {
            return std::nullopt;
        }
        const std::optional<int> imageHolder = parseIndex(ref);
        if (!imageHolder || *imageHolder > index) {
            error = "ImageRefが不正です";
            return std::nullopt;
        }
        slide.imageHolder = *imageHolder;
        if (*imageHolder == index) {
            if (!image->present || image->data.empty()) {
                error = "イメージのデータがありません";
                return std::nullopt;
            }
            slide.imageData = image->data;
        } else {
            const PackageSlide& holder = earlier[static_cast<std::size_t>(*imageHolder)];
            if (holder.imageHolder != *imageHolder || !image->isSharedMarker()) {
                error = "共有イメージの参照が不正です";
                return std::nullopt;
            }
            slide.imageData = holder.imageData;
        }

        const std::optional<Block> soundBlock = readBlock(reader_, error);
        if (!soundBlock) {
            return std::nullopt;
        }
        if (sound.empty()) {
            if (soundBlock->present) {
                error = "効果音のないスライドにデータがあります";
                return std::nullopt;
            }
            return slide;
        }
        const std::optional<int> soundHolder = parseSoundKey(sound);
        if (!soundHolder || *soundHolder > index) {
            error = "効果音の名前が不正です";
            return std::nullopt;
        }
        slide.soundHolder = *soundHolder;
        if (*soundHolder == index) {
            if (!soundBlock->present || soundBlock->data.empty()) {
                error = "効果音のデータがありません";
                return std::nullopt;
            }
            slide.soundData = soundBlock->data;
        } else {
            const PackageSlide& holder = earlier[static_cast<std::size_t>(*soundHolder)];
            if (holder.soundHolder != *soundHolder || !soundBlock->isSharedMarker()) {
                error = "共有効果音の参照が不正です";
                return std::nullopt;
            }
            slide.soundData = holder.soundData;
        }
        return slide;
    }

    BinaryReader reader_;
};

}  // namespace

CoreExpected<PackageView> PackageReader::read(std::string_view bytes)
{
    return PackageParser(bytes).parse();
}

CoreExpected<PackageView> PackageReader::readTrailing(std::string_view file)
{
    if (std::int64_t(file.size()) < PackageLayout::kSizeField) {
        return broken(kTruncated);
    }
    BinaryReader tail(file.substr(file.size() - PackageLayout::kSizeField));
    const std::int32_t size = tail.int32();
    if (size <= 0 || std::size_t(size) > file.size()) {
        return broken("PackageSizeがファイルの大きさと合いません");
    }
    return read(file.substr(file.size() - std::size_t(size)));
}
