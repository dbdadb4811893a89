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
    return {toPixelsX(device, left), toPixelsY(device, top), toPixelsX(device, width), toPixelsY(device, height)};
}
