#pragma once

#include <QDateTime>

// The local date and time, to the second. Tests replace it with a clock they move by hand.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
};
