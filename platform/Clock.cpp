#include "platform/Clock.h"

QDateTime SystemClock::now() const
{
    // Whole seconds first, then one conversion to local time: each conversion asks the C library
    // for the time zone again, which costs a file status each time.
    return QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());
}
