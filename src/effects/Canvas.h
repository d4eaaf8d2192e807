#pragma once

#include <span>

// The one thing the transition effects draw on: the screen picture, with the outgoing and
// incoming pictures as sources. All three have the same size. Coordinates are whole pixels;
// parts of a rectangle outside the pictures are clipped, and empty rectangles draw nothing.
class Canvas {
public:
    enum class Source { Outgoing, Incoming };
    struct Point {
        int x = 0;
        int y = 0;
        friend bool operator==(const Point&, const Point&) = default;
    };

    virtual ~Canvas() = default;

    // Size of the screen picture.
    virtual int width() const = 0;
    virtual int height() const = 0;

    // Copies the rectangle (x, y, w, h) from the source at (sx, sy) onto the screen picture.
    virtual void copy(Source source, int x, int y, int w, int h, int sx, int sy) = 0;
    // Scales the whole source picture into (x, y, w, h). A zero size draws nothing; a negative
    // width (height) draws it mirrored, extending to the left of (above) x (y).
    virtual void stretch(Source source, int x, int y, int w, int h) = 0;
    // Fills the screen picture black from corner (-1, -1) to corner (W, H).
    virtual void fillBlack() = 0;
    // Restricts the following copies to the ellipse inscribed in the box with corners
    // (x1, y1) and (x2, y2), or to a convex polygon. Returns false when no region could be
    // made (the frame's copy is then skipped).
    virtual bool clipEllipse(int x1, int y1, int x2, int y2) = 0;
    virtual bool clipPolygon(std::span<const Point> points) = 0;
    virtual void unclip() = 0;
    // Makes the screen picture's current content visible.
    virtual void refresh() = 0;
};
