#pragma once

#include <QStringView>
#include <optional>

// A plain decimal number as the files and pages write it: blanks (spaces, tabs) around, an optional sign,
// digits, and an optional fraction after a point ("7", "-1.5", "+02", ".5", "2."). No exponent,
// no digit grouping, no locale. The digits are kept as text, so no length of input overflows
// or rounds on its way in.
struct DecimalText
{
    bool negative = false;
    QStringView whole;          // the digits before the point, leading zeros dropped
    bool fractionIsZero = true; // no fraction, or one of zeros only

    // The number, rounded toward minus infinity; nothing when it does not fit an int.
    std::optional<int> floorToInt() const;
    bool isOne() const { return !negative && whole == u"1" && fractionIsZero; }
};

// Nothing when the text is not such a number; empty and blank text are not numbers either.
std::optional<DecimalText> scanDecimal(QStringView text);
