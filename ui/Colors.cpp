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

// Readable for text of ordinary size.
constexpr double ReadableContrast = 4.5;
} // namespace

double Colors::contrast(const QColor& foreground, const QColor& background)
{
    const double a = luminance(foreground);
    const double b = luminance(background);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor Colors::readable(const QColor& preferred, const QColor& background, const QColor& fallback)
{
    return contrast(preferred, background) >= ReadableContrast ? preferred : fallback;
}

void Colors::tintText(QWidget& widget, const QColor& preferred)
{
    const QPalette ordinary = widget.palette();
    QPalette tinted = ordinary;
    const QColor color = readable(preferred, ordinary.color(QPalette::Window), ordinary.color(QPalette::WindowText));
    tinted.setColor(QPalette::WindowText, color);
    widget.setPalette(tinted);
    for (QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->setPalette(ordinary);
    }
}
