#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>
#include <optional>

// The process-wide values. Field names are the program's own names for them, so that
// a reader can follow the behaviour description field by field.
struct AppState
{
    bool PlayWave = false;
    bool OpenWindow = false;
    std::optional<int> Hours;
    std::optional<int> Minutes;
    std::optional<int> Seconds;
    bool Connected = false;
    QString ActiveTimeField; // "Hour", "Min" or "Sec": the setup field the arrows act on
    qint16 LastAlertCount = 0;
};

// The working variables through which the cycle, the retrieval, the parser and the grid
// hand the item being processed to one another. One instance, shared by reference.
struct CycleState
{
    std::optional<qint32> CurrentRow;
    qint16 CurrentCol = 0;
    QString ItemUrl;
    std::optional<QString> TickTime;
    // Empty means the countdown has not started; the next tick starts it. The date is
    // carried with the time so that a countdown that spans midnight still falls due.
    std::optional<QDateTime> CountdownStart;
    std::optional<bool> PageParsed;
    bool ConnectionOpen = false;
    bool AbortRequested = false;
    qint16 ChangeCount = 0;
};

// An optional whole number takes part in comparisons and arithmetic as 0 when empty.
inline int valueOrZero(const std::optional<int>& value)
{
    return value.value_or(0);
}
