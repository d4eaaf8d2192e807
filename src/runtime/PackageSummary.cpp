#include "runtime/PackageSummary.h"

#include "document/JsonText.h"

#include <cstdio>
#include <string_view>

namespace {

constexpr int kIndentWidth = 4;

std::string colourText(std::uint32_t colour)
{
    char text[sizeof "0x00000000"];
    std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(colour));
    return text;
}

// Members of one object, one per line at the given depth, written in the order given (the
// callers list them alphabetically).
class ObjectWriter {
public:
    ObjectWriter(std::string& out, int depth) : out_(out), depth_(depth) { out_ += "{\n"; }

    void number(std::string_view key, std::int64_t value) { member(key, std::to_string(value)); }
    void text(std::string_view key, std::string_view value)
    {
        member(key, JsonText::quoted(value));
    }
    // value: an array or object already written at this object's depth + 1.
    void raw(std::string_view key, const std::string& value) { member(key, value); }

    void close()
    {
        out_ += '\n';
        out_.append(std::size_t(depth_) * kIndentWidth, ' ');
        out_ += '}';
    }

private:
    void member(std::string_view key, const std::string& value)
    {
        if (!first_) {
            out_ += ",\n";
        }
        first_ = false;
        out_.append(std::size_t(depth_ + 1) * kIndentWidth, ' ');
        out_ += JsonText::quoted(key);
        out_ += ": ";
        out_ += value;
    }

    std::string& out_;
    int depth_;
    bool first_ = true;
};

std::string slideSummary(const PackageSlide& slide, int depth)
{
    std::string out;
    ObjectWriter object(out, depth);
    object.number("displayTime", slide.DisplayTime);
    object.number("effectNumber", slide.EffectNumber);
    object.number("imageBytes", std::int64_t(slide.imageData.size()));
    object.text("imageRef", slide.imageRef);
    object.number("keepPrevious", slide.KeepPrevious);
    object.number("posX", slide.PosX);
    object.number("posY", slide.PosY);
    object.number("soundBytes", std::int64_t(slide.soundData.size()));
    object.text("soundPath", slide.soundPath);
    object.number("speedIndex", slide.SpeedIndex);
    object.number("transparent", slide.Transparent);
    object.close();
    return out;
}

std::string slideList(const PackageView& package, int depth)
{
    const std::string inner(std::size_t(depth + 1) * kIndentWidth, ' ');
    std::string out = "[\n";
    for (std::size_t i = 0; i < package.slides.size(); ++i) {
        out += inner;
        out += slideSummary(package.slides[i], depth + 1);
        out += i + 1 < package.slides.size() ? ",\n" : "\n";
    }
    out.append(std::size_t(depth) * kIndentWidth, ' ');
    out += ']';
    return out;
}

}  // namespace

std::string PackageSummary::text(const PackageView& package, const Identity& identity,
                                 std::int64_t fileSize)
{
    std::string out;
    ObjectWriter summary(out, 0);
    summary.text("backColor", colourText(package.BackColor));
    summary.number("bgmBytes", std::int64_t(package.bgmData.size()));
    summary.text("bgmName", package.bgmName);
    summary.number("canvasHeight", package.CanvasHeight);
    summary.number("canvasWidth", package.CanvasWidth);
    summary.number("fileSize", fileSize);
    summary.number("iconWidth", identity.iconWidth);
    summary.number("packageSize", package.PackageSize);
    summary.number("slideCount", std::int64_t(package.slides.size()));
    summary.raw("slides", slideList(package, 1));
    summary.number("soundSwitchable", package.SoundSwitchable);
    summary.text("title", identity.title);
    summary.text("version", identity.version);
    summary.close();
    out += '\n';
    return out;
}
