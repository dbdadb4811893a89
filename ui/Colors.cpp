#include "ui/Colors.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {
// Relative luminance as the web's accessibility guidelines define it.
double luminance(const QColor& color)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

} // namespace

double Colors::contrast(const QColor& foreground, const QColor& background)
{
    const double a = luminance(foreground);
    const double b = luminance(background);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor Colors::readable(const QColor& preferred, const QColor& background, const QColor& fallback, double minimum)
{
    return contrast(preferred, background) >= minimum ? preferred : fallback;
}

void Colors::tintText(QWidget& widget, const QColor& preferred, double minimum)
{
    QPalette palette = widget.palette();
    const QColor ordinary = palette.color(QPalette::WindowText);
    palette.setColor(QPalette::WindowText, readable(preferred, palette.color(QPalette::Window), ordinary, minimum));
    widget.setPalette(palette);
    for (QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QPalette childPalette = child->palette();
        childPalette.setColor(QPalette::WindowText, ordinary);
        child->setPalette(childPalette);
    }
}
