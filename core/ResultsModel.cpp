#include "core/ResultsModel.h"

#include "core/DecimalText.h"
#include "core/ItemTimes.h"
#include "core/PriceText.h"

#include <algorithm>

namespace {
// The grid's titles as the export writes them; the view shows them translated.
constexpr std::array<const char*, ResultsModel::ColumnCount> Headers = {
    QT_TRANSLATE_NOOP("ResultsModel", "Item #"),         QT_TRANSLATE_NOOP("ResultsModel", "Seller"),
    QT_TRANSLATE_NOOP("ResultsModel", "Highest Bidder"), QT_TRANSLATE_NOOP("ResultsModel", "Current $"),
    QT_TRANSLATE_NOOP("ResultsModel", "Time Ends"),      QT_TRANSLATE_NOOP("ResultsModel", "Time Left"),
    QT_TRANSLATE_NOOP("ResultsModel", "Quantity"),       QT_TRANSLATE_NOOP("ResultsModel", "# of bids")};
} // namespace

ResultsModel::ResultsModel(QObject* parent) : QAbstractTableModel(parent) {}

QString ResultsModel::header(int column)
{
    return column >= 0 && column < ColumnCount ? QString::fromLatin1(Headers[column]) : QString();
}

void ResultsModel::reset()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void ResultsModel::setItemCount(int count)
{
    const int wanted = count + 1;
    const int old = static_cast<int>(m_rows.size());
    if (wanted > old) {
        beginInsertRows({}, old, wanted - 1);
        m_rows.resize(wanted);
        endInsertRows();
    } else if (wanted < old) {
        beginRemoveRows({}, wanted, old - 1);
        m_rows.resize(wanted);
        endRemoveRows();
    }
}

QString ResultsModel::text(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= ColumnCount) {
        return {};
    }
    return m_rows[row].texts[column];
}

void ResultsModel::setText(int row, int column, const QString& text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= ColumnCount || m_rows[row].texts[column] == text) {
        return;
    }
    m_rows[row].texts[column] = text;
    const QModelIndex cell = index(row, column);
    Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole});
}

ResultsModel::RowState ResultsModel::state(int row) const
{
    return row >= 0 && row < rowCount() ? m_rows[row].state : RowState();
}

void ResultsModel::setRow(int row, const Texts& texts, const RowState& state)
{
    if (row < 0 || row >= rowCount()) {
        return;
    }
    Row& target = m_rows[row];
    int first = ColumnCount;
    int last = -1;
    const auto changed = [&first, &last](int column) {
        first = std::min(first, column);
        last = std::max(last, column);
    };
    for (int column = 0; column < ColumnCount; ++column) {
        if (texts[column] && *texts[column] != target.texts[column]) {
            target.texts[column] = *texts[column];
            changed(column);
        }
    }
    if (state.problem != target.state.problem) {
        changed(ItemNumber);
    }
    if (state.previousPrice != target.state.previousPrice) {
        changed(Price);
    }
    target.state = state;
    if (last >= 0) {
        Q_EMIT dataChanged(index(row, first), index(row, last));
    }
}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return m_rows[index.row()].texts[index.column()];
    case MarkRole: {
        // Asked for every cell the view paints: no texts are made for it.
        const RowState& state = m_rows[index.row()].state;
        return (index.column() == ItemNumber && state.problem) || (index.column() == Price && state.previousPrice);
    }
    case SortRole:
        return sortKey(index);
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        const QStringList lines = stateLines(index);
        if (lines.isEmpty()) {
            return {};
        }
        // A tooltip shows lines; a screen reader reads one sentence after the other.
        return role == Qt::ToolTipRole ? lines.join(u'\n') : lines.join(u' ');
    }
    default:
        return {};
    }
}

QStringList ResultsModel::stateLines(const QModelIndex& index) const
{
    const RowState& state = m_rows[index.row()].state;
    if (index.column() == ItemNumber && state.problem) {
        const ItemProblem& problem = *state.problem;
        // The message's own line breaks (CR) become lines; the blank ones go.
        QStringList lines = QString(problem.message)
                                .replace(QStringLiteral("\r\n"), QStringLiteral("\r"))
                                .split(u'\r', Qt::SkipEmptyParts);
        if (!problem.cause.isEmpty()) {
            lines << tr("Cause: %1.").arg(problem.cause);
        }
        lines << tr("At %1.").arg(problem.time.time().toString(QStringLiteral("HH:mm:ss")));
        return lines;
    }
    if (index.column() == Price && state.previousPrice) {
        return {tr("Changed from %1 in the latest check.").arg(*state.previousPrice)};
    }
    return {};
}

QVariant ResultsModel::sortKey(const QModelIndex& index) const
{
    const QString& text = m_rows[index.row()].texts[index.column()];
    const auto number = [](const auto& value) { return value ? QVariant(static_cast<double>(*value)) : QVariant(); };
    switch (index.column()) {
    case Seller:
    case HighBidder:
        return text.trimmed().isEmpty() ? QVariant() : QVariant(text);
    case Price:
        return number(priceAmount(text));
    case EndTime: {
        const std::optional<QDateTime> end = endTime(text);
        return end ? QVariant(static_cast<double>(end->toSecsSinceEpoch())) : QVariant();
    }
    case TimeLeft:
        return number(secondsLeft(text));
    default: {
        const std::optional<DecimalText> count = DecimalText::parse(text, DecimalText::Grouping::Thousands);
        return count ? QVariant(count->toDouble()) : QVariant();
    }
    }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return section >= 0 && section < ColumnCount ? tr(Headers[section]) : QString();
}
