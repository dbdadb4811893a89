#pragma once

#include <QString>

// What the setup dialog's up and down arrows do to the text of a time field.
namespace TimeFieldArrows {
// The number at the start of a text: leading blanks skipped, an optional sign, digits with a
// period as the decimal point, up to the first character that cannot continue the number.
// A text that does not start with a number reads as 0.
double leadingNumber(const QString& text);

// The decimal text of a number, without trailing zeros ("3.5", "23").
QString numberText(double value);

// One more, or "0" above the limit.
QString up(const QString& text, int limit);

// One less, or "0" below zero.
QString down(const QString& text);
} // namespace TimeFieldArrows
