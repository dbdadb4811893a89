#include "ui/dialogs/DialogMetrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
constexpr qreal TwipsPerInch = 1440.0;
constexpr qreal DesignDpi = 96.0;
constexpr qreal DesignPointSize = 8.0;

int scale(int length, qreal unitsPerInch, qreal dpi)
{
    return qRound(length * dpi / unitsPerInch);
}

QRect scaledRectIn(int left, int top, int width, int height, qreal unitsPerInch, qreal dpi)
{
    const int x0 = scale(left, unitsPerInch, dpi);
    const int y0 = scale(top, unitsPerInch, dpi);
    const int x1 = scale(left + width, unitsPerInch, dpi);
    const int y1 = scale(top + height, unitsPerInch, dpi);
    return QRect(x0, y0, x1 - x0, y1 - y0);
}
} // namespace

qreal DialogMetrics::logicalDpi(const QWidget* widget)
{
    const QScreen* screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : DesignDpi;
}

int DialogMetrics::twipsToPixels(int twips, qreal dpi)
{
    return scale(twips, TwipsPerInch, dpi);
}

int DialogMetrics::scaledPixels(int pixels96, qreal dpi)
{
    return scale(pixels96, DesignDpi, dpi);
}

QRect DialogMetrics::twipsRect(int left, int top, int width, int height, qreal dpi)
{
    return scaledRectIn(left, top, width, height, TwipsPerInch, dpi);
}

QRect DialogMetrics::scaledRect(int x, int y, int width, int height, qreal dpi)
{
    return scaledRectIn(x, y, width, height, DesignDpi, dpi);
}

void DialogMetrics::useDesignFont(QWidget* window)
{
    QFont font = window->font();
    font.setPointSizeF(DesignPointSize);
    window->setFont(font);
}
