#pragma once

#include "core/ItemPageReader.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <optional>

// What an item page said at one time, as the history keeps it.
struct Observation
{
    using Values = std::array<std::optional<QString>, PageFieldCount>;

    QDateTime time; // UTC, to the second
    QString itemNumber;
    Values values; // by PageField; empty where the page had no such value
    qint64 id = 0; // its place in the file, in the order rows were stored; 0 before that

    const std::optional<QString>& value(PageField field) const { return values[static_cast<int>(field)]; }
};
