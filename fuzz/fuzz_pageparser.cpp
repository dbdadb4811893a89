// Feeds arbitrary bytes to the page parser as the retrieval would: Latin-1 text, lines ending
// at CR or CR LF, a bare LF kept inside the line. Failures are the parser's way of reporting a
// broken page; anything else (a crash, a hang, a broken invariant) is a finding.

#include "core/AppState.h"
#include "core/Failure.h"
#include "core/MonitorPorts.h"
#include "core/PageParser.h"
#include "core/ResultsGrid.h"
#include "platform/Clock.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>

namespace {

class FixedClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 5), QTime(21, 5, 9)); }
};

class CountingLog final : public LogSink
{
public:
    qsizetype lines = 0;
    void appendLogLine(const QString& line) override
    {
        if (!line.startsWith(QStringLiteral("At 21:05:09 : Item #1234 Price= "))) {
            std::abort();
        }
        ++lines;
    }
};

void check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

QStringList pageLines(const QString& page)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < page.size(); ++i) {
        if (page[i] == QLatin1Char('\r')) {
            lines << page.sliced(start, i - start);
            if (i + 1 < page.size() && page[i + 1] == QLatin1Char('\n')) {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < page.size()) {
        lines << page.sliced(start);
    }
    return lines;
}

QStringList rowTexts(const ResultsGrid& grid)
{
    QStringList texts;
    for (int c = 0; c < ResultsGrid::ColumnCount; ++c) {
        texts << grid.text(1, c);
    }
    return texts;
}

void fuzzParsePageLine(const QString& page)
{
    CycleState cycle;
    ResultsGrid grid;
    CountingLog log;
    const FixedClock clock;
    PageParser parser(cycle, grid, log, clock);
    grid.setRows(3);
    grid.setText(1, 0, QStringLiteral("1234"));
    cycle.CurrentRow = 1;
    cycle.PageParsed = false;

    for (const QString& line : pageLines(page)) {
        try {
            parser.ParsePageLine(line);
        } catch (const Failure& failure) {
            check(!failure.description().isEmpty());
            check(cycle.PageParsed.value_or(false));
            return;
        }
        if (!cycle.PageParsed.value_or(false)) {
            continue;
        }
        check(cycle.ChangeCount == log.lines && log.lines <= 1);
        check(cycle.CurrentCol == 2);
        // The same page again: the price is unchanged, so nothing is counted or logged.
        const QStringList before = rowTexts(grid);
        parser.ParsePageLine(line);
        check(cycle.ChangeCount == log.lines && log.lines <= 1);
        check(rowTexts(grid) == before);
        return;
    }
}

void fuzzExtractLabelledValue(const uint8_t* data, size_t size)
{
    static const QString knownLabels[] = {QStringLiteral("Quantity"),        QStringLiteral("# of bids"),
                                          QStringLiteral("Time left"),       QStringLiteral("Ends"),
                                          QStringLiteral("Seller (Rating)"), QStringLiteral("High bid")};
    constexpr size_t knownCount = std::size(knownLabels);
    if (size == 0) {
        return;
    }
    QString label;
    size_t used = 1;
    if (data[0] < 128) {
        label = knownLabels[data[0] % knownCount];
    } else {
        const size_t length = std::min<size_t>(data[0] % 17, size - 1);
        label = QString::fromLatin1(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(length));
        used += length;
    }
    QString running =
        QString::fromLatin1(reinterpret_cast<const char*>(data + used), static_cast<qsizetype>(size - used));

    // Walk the text as the parser does, one label after another; an empty label never moves on.
    for (int round = 0; round < 64; ++round) {
        const QString before = running;
        QString value;
        try {
            value = PageParser::ExtractLabelledValue(label, running);
        } catch (const Failure& failure) {
            check(!failure.description().isEmpty());
            return;
        }
        check(!value.contains(QLatin1Char('<')));
        check(running.startsWith(value));
        if (!before.contains(label)) {
            check(value.isEmpty() && running == before);
            return;
        }
        check(running.size() + label.size() <= before.size());
        check(running.contains(QLatin1Char('<')));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzParsePageLine(QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    fuzzExtractLabelledValue(data, size);
    return 0;
}
