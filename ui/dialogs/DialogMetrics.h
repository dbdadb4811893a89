#pragma once

#include <QRect>

class QWidget;

// Window measures are designed in twips (1440 to the inch) or in pixels at 96 dots per inch;
// these turn them into pixels at the screen's logical density.
namespace DialogMetrics {
qreal logicalDpi(const QWidget* widget);
int twipsToPixels(int twips, qreal dpi);
int scaledPixels(int pixels96, qreal dpi);
// Edges are rounded, not sizes, so that neighbouring rectangles stay neighbours.
QRect twipsRect(int left, int top, int width, int height, qreal dpi);
QRect scaledRect(int x, int y, int width, int height, qreal dpi);
// The fixed layouts were drawn for an 8-point font; a larger desktop font would clip captions.
void useDesignFont(QWidget* window);
} // namespace DialogMetrics
