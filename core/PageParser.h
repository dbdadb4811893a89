#pragma once

#include "core/AppState.h"

#include <QString>

class Clock;
class LogSink;
class ResultsGrid;

// Cuts the values out of the first page line that holds "Currently" and writes them into the
// item's grid row. Failures throw Failure; the retrieval reports them.
class PageParser
{
public:
    PageParser(CycleState& cycle, ResultsGrid& grid, LogSink& log, const Clock& clock);

    void ParsePageLine(const QString& line);
    // The value after label in the running text, which is shortened in place; empty when the
    // label is not found.
    static QString ExtractLabelledValue(const QString& label, QString& runningText);

private:
    void select(int col);

    CycleState& m_cycle;
    ResultsGrid& m_grid;
    LogSink& m_log;
    const Clock& m_clock;
};
