#pragma once

#include <QRect>

class QPaintDevice;

// Window measures are given in twips (1440 to the inch), or for the dialogs in pixels at the
// 96 dots per inch they were drawn at; a widget turns them into pixels with its screen's logical
// resolution, so 15 twips make one pixel at 96 dots per inch.
namespace Twips {
inline constexpr int PerInch = 1440;
inline constexpr int PerDesignPixel = PerInch / 96;

int toPixelsX(const QPaintDevice& device, double twips);
int toPixelsY(const QPaintDevice& device, double twips);
double fromPixelsX(const QPaintDevice& device, double pixels);
double fromPixelsY(const QPaintDevice& device, double pixels);
// A rectangle given as left, top, width and height in twips. Edges are rounded, not sizes, so
// that neighbouring rectangles stay neighbours.
QRect toPixels(const QPaintDevice& device, int left, int top, int width, int height);
// The same rectangle given in pixels at 96 dots per inch.
QRect designRect(const QPaintDevice& device, int x, int y, int width, int height);
} // namespace Twips
