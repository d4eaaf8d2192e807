#pragma once

#include <QString>
#include <QtGlobal>

// Field sizes and keys of the saver package, shared by the plan (which computes PackageSize
// from them), the writer and the reader.
namespace PackageLayout {

constexpr qint64 kInt16 = 2;
constexpr qint64 kInt32 = 4;
constexpr qint64 kTextCount = 2;
constexpr qint64 kNoDimensions = 2;         // a block that holds nothing: 00 00
constexpr qint64 kArrayHeader = 2 + 4 + 4;  // one dimension, element count, lower bound 0
// CanvasWidth, CanvasHeight, BackColor, SoundSwitchable, SlideCount.
constexpr qint64 kShowFields = kInt32 * 3 + kInt16 + kInt32;
// DisplayTime, PosX, PosY, EffectNumber, SpeedIndex, KeepPrevious, Transparent.
constexpr qint64 kSlideNumbers = kInt32 * 5 + kInt16 * 2;
constexpr qint64 kSizeField = kInt32;
// A slide that shares another slide's file stores one zero byte in its block.
constexpr char kSharedMarker = 0;
constexpr qint64 kSharedBlock = kArrayHeader + 1;
// The largest package the 32-bit PackageSize field can describe.
constexpr qint64 kMaxPackageSize = 0x7FFFFFFF;
// The smallest slide entry a reader can meet: empty texts and blocks without dimensions.
constexpr qint64 kMinSlideEntry = kTextCount * 2 + kSlideNumbers + kNoDimensions * 2;

inline const QString kSoundSuffix = QStringLiteral(".wav");
inline const QString kBgmMidiName = QStringLiteral("bgm.mid");
inline const QString kBgmWaveName = QStringLiteral("bgm.wav");

inline QString imageRef(int slide)
{
    return QString::number(slide);
}

inline QString soundKey(int slide)
{
    return QString::number(slide) + kSoundSuffix;
}

inline qint64 blockSize(qint64 elements)
{
    return kArrayHeader + elements;
}

}  // namespace PackageLayout
