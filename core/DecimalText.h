#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// A decimal number as the files and pages write it: blanks (spaces, tabs) around, an optional
// sign, digits, and an optional fraction after a point ("7", "-1.5", "+02", ".5", "2."). No
// exponent and no locale. The digits stay text, so no input overflows or rounds on its way in.
class DecimalText
{
public:
    // Whether commas may group the whole digits by thousands ("12,500"), as pages write counts.
    enum class Grouping { None, Thousands };

    // Nothing when the text is no such number; empty and blank text are no numbers either.
    static std::optional<DecimalText> parse(QStringView text, Grouping grouping = Grouping::None);

    // The number rounded toward minus infinity; nothing when that does not fit an int.
    std::optional<int> floorToInt() const;
    bool isOne() const { return !m_negative && m_whole == QStringView(u"1") && fractionIsZero(); }
    // The nearest double, for drawing: an amount, not a count.
    double toDouble() const;

private:
    bool fractionIsZero() const;

    bool m_negative = false;
    QString m_whole;    // the whole digits, grouping and leading zeros dropped
    QString m_fraction; // the digits after the point
};
