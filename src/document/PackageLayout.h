#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Field sizes and keys of the saver package, shared by the plan (which computes PackageSize
// from them), the writer and the reader.
namespace PackageLayout {

constexpr std::int64_t kInt16 = 2;
constexpr std::int64_t kInt32 = 4;
constexpr std::int64_t kTextCount = 2;
constexpr std::int64_t kNoDimensions = 2;         // a block that holds nothing: 00 00
constexpr std::int64_t kArrayHeader = 2 + 4 + 4;  // one dimension, element count, lower bound 0
// CanvasWidth, CanvasHeight, BackColor, SoundSwitchable, SlideCount.
constexpr std::int64_t kShowFields = kInt32 * 3 + kInt16 + kInt32;
// DisplayTime, PosX, PosY, EffectNumber, SpeedIndex, KeepPrevious, Transparent.
constexpr std::int64_t kSlideNumbers = kInt32 * 5 + kInt16 * 2;
constexpr std::int64_t kSizeField = kInt32;
// A slide that shares another slide's file stores one zero byte in its block.
constexpr char kSharedMarker = 0;
constexpr std::int64_t kSharedBlock = kArrayHeader + 1;
// The largest package the 32-bit PackageSize field can describe.
constexpr std::int64_t kMaxPackageSize = 0x7FFFFFFF;
// The smallest slide entry a reader can meet: empty texts and blocks without dimensions.
constexpr std::int64_t kMinSlideEntry = kTextCount * 2 + kSlideNumbers + kNoDimensions * 2;

inline constexpr std::string_view kSoundSuffix = ".wav";
inline constexpr std::string_view kBgmMidiName = "bgm.mid";
inline constexpr std::string_view kBgmWaveName = "bgm.wav";

inline std::string imageRef(int slide)
{
    return std::to_string(slide);
}

inline std::string soundKey(int slide)
{
    return std::to_string(slide).append(kSoundSuffix);
}

inline std::int64_t blockSize(std::int64_t elements)
{
    return kArrayHeader + elements;
}

}  // namespace PackageLayout
