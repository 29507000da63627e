#pragma once
// Geometry as plain values; converted to RECT/POINT only where it meets the OS.

namespace vantrel {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool operator==(const Rect&) const = default;
};

// Places a window of the given outer size centred over another window's outer rectangle,
// halves rounded toward zero, but never left of or above the desktop's top-left corner.
inline Point CenterOver(const Rect& over, Size size, Point desktopOrigin) {
    Point p{over.left + (over.width - size.width) / 2, over.top + (over.height - size.height) / 2};
    if (p.x < desktopOrigin.x) p.x = desktopOrigin.x;
    if (p.y < desktopOrigin.y) p.y = desktopOrigin.y;
    return p;
}

// Centres a window of the given outer size in an area such as the screen's work area.
inline Point CenterIn(const Rect& area, Size size) {
    return {area.left + (area.width - size.width) / 2, area.top + (area.height - size.height) / 2};
}

} // namespace vantrel
