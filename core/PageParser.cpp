#include "core/PageParser.h"

#include "core/DecimalText.h"
#include "core/Failure.h"
#include "core/MonitorPorts.h"
#include "core/ResultsGrid.h"
#include "platform/Clock.h"

#include <QLatin1StringView>

namespace {

constexpr int PriceColumn = 3;
constexpr int ItemColumn = 0;
constexpr int BidderColumn = 2;
constexpr int QuantityColumn = 6;
// The price stands this many characters after the "C" of "Currently": the label and the
// fixed markup that follows it on the item page.
constexpr qsizetype PriceOffset = 41;
constexpr quint32 ChangedPriceColor = 192; // dark red
constexpr quint32 PlainColor = 0;
constexpr qsizetype QuotedValueLimit = 40;

struct LabelledColumn
{
    QLatin1StringView label;
    int column;
};

// Searched in this order, each after the place where the previous value stood.
constexpr LabelledColumn LabelledColumns[] = {
    {QLatin1StringView("Quantity"), QuantityColumn},
    {QLatin1StringView("# of bids"), 7},
    {QLatin1StringView("Time left"), 5},
    {QLatin1StringView("Ends"), 4},
    {QLatin1StringView("Seller (Rating)"), 1},
};

// A value quoted in a failure description; page text can be long.
QString quoted(const QString& value)
{
    if (value.size() <= QuotedValueLimit) {
        return value;
    }
    return value.left(QuotedValueLimit) + QStringLiteral("...");
}

// Whether the quantity is the number 1. A missing (blank) quantity is not 1; any other text
// that is no plain decimal number fails the parse.
bool isQuantityOne(const QString& quantity)
{
    const QString text = quantity.trimmed(); // page markup may leave line breaks around it
    if (text.isEmpty()) {
        return false;
    }
    const std::optional<DecimalText> number = scanDecimal(text);
    if (!number) {
        throw Failure(QStringLiteral("Quantity '%1' is not a number").arg(quoted(quantity)));
    }
    return number->isOne();
}

} // namespace

PageParser::PageParser(CycleState& cycle, ResultsGrid& grid, LogSink& log, const Clock& clock)
    : m_cycle(cycle), m_grid(grid), m_log(log), m_clock(clock)
{}

void PageParser::ParsePageLine(const QString& line)
{
    const qsizetype found = line.indexOf(QLatin1StringView("Currently"));
    if (found < 0) {
        return;
    }
    m_cycle.PageParsed = true;

    if (line.size() - found <= PriceOffset) {
        throw Failure(QStringLiteral("Price not found after 'Currently'"));
    }
    const QString rest = line.sliced(found + PriceOffset);
    const qsizetype priceEnd = rest.indexOf(QLatin1Char('<'));
    if (priceEnd < 0) {
        throw Failure(QStringLiteral("No tag after the price that follows 'Currently'"));
    }
    const QString price = rest.left(priceEnd);

    select(PriceColumn);
    if (m_grid.cellText() != price) {
        m_grid.setTextColor(ChangedPriceColor);
        m_grid.setCellText(price);
        m_grid.setTextColor(PlainColor);
        select(ItemColumn);
        ++m_cycle.ChangeCount;
        const QString time = m_clock.now().time().toString(QStringLiteral("HH:mm:ss"));
        m_log.appendLogLine(QStringLiteral("At ") + time + QStringLiteral(" : Item #") + m_grid.cellText() +
                            QStringLiteral(" Price= ") + price);
    } else {
        m_grid.setCellText(price);
    }

    QString running = rest;
    QString quantity;
    for (const LabelledColumn& labelled : LabelledColumns) {
        const QString value = ExtractLabelledValue(labelled.label, running);
        select(labelled.column);
        m_grid.setCellText(value);
        if (labelled.column == QuantityColumn) {
            quantity = value;
        }
    }

    const QString bidder = isQuantityOne(quantity) ? ExtractLabelledValue(QStringLiteral("High bid"), running)
                                                   : QStringLiteral("Dutch Auction");
    select(BidderColumn);
    m_grid.setCellText(bidder);

    m_grid.FitGridColumns();
}

// Markup skipping stops where it could not advance: a line feed with no "<" after it is
// dropped, so the value starts behind it; a "<" at the first or second character with no ">"
// after it means the text ends inside a tag, which leaves no value to cut, and the extraction
// fails as it does when no tag follows a value. Every other step drops at least one character,
// so the skipping always ends.
QString PageParser::ExtractLabelledValue(const QString& label, QString& runningText)
{
    const qsizetype found = runningText.indexOf(label);
    if (found < 0) {
        return {};
    }
    runningText.remove(0, found + label.size());

    while (!runningText.isEmpty() && (runningText[0] == QLatin1Char('<') || runningText[0] == QLatin1Char('\n'))) {
        const bool tagAhead =
            runningText[0] == QLatin1Char('<') || (runningText.size() > 1 && runningText[1] == QLatin1Char('<'));
        if (!tagAhead) {
            runningText.remove(0, 1);
            continue;
        }
        const qsizetype tagEnd = runningText.indexOf(QLatin1Char('>'));
        if (tagEnd < 0) {
            throw Failure(QStringLiteral("Unclosed tag after '%1'").arg(label));
        }
        runningText.remove(0, tagEnd + 1);
    }

    const qsizetype valueEnd = runningText.indexOf(QLatin1Char('<'));
    if (valueEnd < 0) {
        throw Failure(QStringLiteral("No tag after the value of '%1'").arg(label));
    }
    return runningText.left(valueEnd);
}

// Selects a column on the item's row and keeps the working cell in step. The row is checked
// here because a reset of the grid during the retrieval's wait takes the item rows away.
void PageParser::select(int col)
{
    const qint32 row = m_cycle.CurrentRow.value_or(0);
    if (row < 0 || row >= m_grid.rows()) {
        throw Failure(QStringLiteral("Grid row %1 of the item no longer exists (the grid was reset)").arg(row));
    }
    m_grid.setRow(row);
    m_grid.setCol(col);
    m_cycle.CurrentCol = static_cast<qint16>(col);
}
