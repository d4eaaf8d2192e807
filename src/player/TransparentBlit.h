#pragma once

#include <QImage>
#include <QRgb>

// Copies the width x height rectangle of `source` at (sourceX, sourceY) onto `destination` at
// (x, y), except the source pixels whose colour equals keyColour exactly (alpha ignored): those
// leave the destination unchanged. Whatever lies outside either picture is clipped. Both
// pictures must have 32 bits per pixel (Format_RGB32); others are left untouched. Nothing is
// allocated, so a rectangle of any size gives the same result.
void TransparentBlit(QImage& destination, int x, int y, int width, int height, const QImage& source,
                     int sourceX, int sourceY, QRgb keyColour);
