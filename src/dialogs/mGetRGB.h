#pragma once

#include <QtGlobal>

// Splits a colour 0x00BBGGRR into its channels.
namespace mGetRGB {

quint8 red(quint32 colour);
quint8 green(quint32 colour);
quint8 blue(quint32 colour);

// The colour of three channels: red + green * 256 + blue * 65536.
quint32 colour(int red, int green, int blue);

}  // namespace mGetRGB
