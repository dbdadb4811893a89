#pragma once

#include <QColor>

class QWidget;

namespace Colors {
// The colour's contrast with a background, from 1 (none) to 21 (black on white).
double contrast(const QColor& foreground, const QColor& background);

// Contrast enough for text of ordinary size, and for large or bold text.
inline constexpr double OrdinaryText = 4.5;
inline constexpr double LargeText = 3.0;

// preferred where it stays readable on background, else fallback.
QColor readable(const QColor& preferred, const QColor& background, const QColor& fallback,
                double minimum = OrdinaryText);

// Gives the widget's text (WindowText) a colour of its own where it stays readable on the
// widget's background; widgets inside it keep the ordinary text colour.
void tintText(QWidget& widget, const QColor& preferred, double minimum = OrdinaryText);
} // namespace Colors
