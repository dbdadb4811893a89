#pragma once

#include <QColor>

class QWidget;

namespace Colors {
// The colour's contrast with a background, from 1 (none) to 21 (black on white).
double contrast(const QColor& foreground, const QColor& background);

// preferred where it stays readable on background, else fallback.
QColor readable(const QColor& preferred, const QColor& background, const QColor& fallback);

// Gives the widget's text (WindowText) a colour of its own where it stays readable on the
// widget's background; widgets inside it keep the ordinary text colour.
void tintText(QWidget& widget, const QColor& preferred);
} // namespace Colors
