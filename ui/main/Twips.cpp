#include "ui/main/Twips.h"

#include <QPaintDevice>
#include <cmath>

int Twips::toPixelsX(const QPaintDevice& device, double twips)
{
    return static_cast<int>(std::lround(twips * device.logicalDpiX() / PerInch));
}

int Twips::toPixelsY(const QPaintDevice& device, double twips)
{
    return static_cast<int>(std::lround(twips * device.logicalDpiY() / PerInch));
}

double Twips::fromPixelsX(const QPaintDevice& device, double pixels)
{
    return pixels * PerInch / device.logicalDpiX();
}

double Twips::fromPixelsY(const QPaintDevice& device, double pixels)
{
    return pixels * PerInch / device.logicalDpiY();
}

QRect Twips::toPixels(const QPaintDevice& device, int left, int top, int width, int height)
{
    const int x0 = toPixelsX(device, left);
    const int y0 = toPixelsY(device, top);
    return {x0, y0, toPixelsX(device, left + width) - x0, toPixelsY(device, top + height) - y0};
}

QRect Twips::designRect(const QPaintDevice& device, int x, int y, int width, int height)
{
    return toPixels(device, x * PerDesignPixel, y * PerDesignPixel, width * PerDesignPixel, height * PerDesignPixel);
}
