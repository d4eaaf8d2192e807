#include "effects/CentredBox.h"

#include "effects/RoundHalfEven.h"

CentredBox::CentredBox(float width, float height, float steps)
    : cx_(roundHalfEven(width / 2.0f)),
      cy_(roundHalfEven(height / 2.0f)),
      dx_(width / steps / 2.0f),
      dy_(height / steps / 2.0f),
      x_(cx_),
      y_(cy_)
{}

void CentredBox::fillCanvas()
{
    x_ = 0;
    y_ = 0;
}

void CentredBox::grow()
{
    x_ = roundHalfEven(x_ - static_cast<double>(dx_));
    y_ = roundHalfEven(y_ - static_cast<double>(dy_));
}

void CentredBox::shrink()
{
    x_ = roundHalfEven(x_ + static_cast<double>(dx_));
    y_ = roundHalfEven(y_ + static_cast<double>(dy_));
}
