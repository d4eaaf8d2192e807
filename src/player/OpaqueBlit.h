#pragma once

#include <QImage>

// Paints a whole picture at natural size with its top-left corner at (x, y) of `destination`,
// opaque, clipped to the destination. Both pictures must have 32 bits per pixel
// (Format_RGB32); others are left untouched. A null picture paints nothing.
void OpaqueBlit(QImage& destination, int x, int y, const QImage& picture);
