#include "platform/Clock.h"

QDateTime SystemClock::now() const
{
    QDateTime current = QDateTime::currentDateTime();
    current.setTime(QTime(current.time().hour(), current.time().minute(), current.time().second()));
    return current;
}
