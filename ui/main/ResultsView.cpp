#include "ui/main/ResultsView.h"

#include "core/ResultsModel.h"
#include "ui/Colors.h"
#include "ui/Icons.h"
#include "ui/main/ColumnFitter.h"
#include "ui/main/ResultsSortModel.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>

namespace {
// Room around a text, a tenth of an inch as a printer would leave it.
int padding(const QWidget& widget)
{
    return static_cast<int>(std::lround(widget.logicalDpiX() / 9.6));
}

QFont emphasised(QFont font)
{
    font.setBold(true);
    return font;
}

// The price that changed: bold on a tint of the selection colour, in whatever palette.
QColor changedBackground(const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor mark = palette.color(QPalette::Highlight);
    const auto mix = [](int from, int to) { return (from + to) / 2; }; // half way
    const QColor tint(mix(base.red(), mark.red()), mix(base.green(), mark.green()), mix(base.blue(), mark.blue()));
    return Colors::contrast(palette.color(QPalette::Text), tint) >= Colors::OrdinaryText ? tint : base;
}

// Draws the marks the model puts on a row: the problem sign on the item number, the emphasis
// on a changed price.
class MarkDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!index.data(ResultsModel::MarkRole).toBool()) {
            return;
        }
        if (index.column() == ResultsModel::ItemNumber) {
            static const QIcon problem = Icons::problem();
            option->features |= QStyleOptionViewItem::HasDecoration;
            option->icon = problem;
        } else {
            option->font = emphasised(option->font);
            option->fontMetrics = QFontMetrics(option->font);
            option->backgroundBrush = changedBackground(option->palette);
        }
    }
};
} // namespace

ResultsView::ResultsView(ResultsModel& results, QWidget* parent)
    : QTableView(parent), m_results(results), m_sorted(new ResultsSortModel(this))
{
    setObjectName(QStringLiteral("resultsView"));
    setAccessibleName(tr("Watched auctions"));
    m_sorted->setSourceModel(&results);
    setModel(m_sorted);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setHighlightSections(false);
    // The list's order until a header is clicked; the third click on one brings it back.
    header->setSortIndicator(-1, Qt::AscendingOrder);
    header->setSortIndicatorClearable(true);
    setSortingEnabled(true);
    connect(header, &QHeaderView::sectionResized, this, &ResultsView::sectionResized);
    // A double-click on a column's edge gives the column back to the fitting.
    disconnect(header, &QHeaderView::sectionHandleDoubleClicked, this, nullptr);
    connect(header, &QHeaderView::sectionHandleDoubleClicked, this, &ResultsView::fitColumn);
    header->setMinimumSectionSize(1);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Tab leaves the grid for the next control instead of walking its cells.
    setTabKeyNavigation(false);
    setItemDelegate(new MarkDelegate(this));
    setIconSize(QSize(fontMetrics().height(), fontMetrics().height()));
    connect(this, &QAbstractItemView::doubleClicked, this, &ResultsView::activate);
    for (const auto rowsChanged : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
        connect(&results, rowsChanged, this, &ResultsView::rowsCounted);
    }
    connect(&results, &QAbstractItemModel::modelReset, this, &ResultsView::rowsCounted);
    makeFitter();
}

void ResultsView::setEmptyHint(const QString& hint)
{
    m_emptyHint = hint;
    rowsCounted();
}

// The hint is there while the grid has no rows, for the eye and for a screen reader.
void ResultsView::rowsCounted()
{
    setAccessibleDescription(m_results.rowCount() == 0 ? m_emptyHint : QString());
    viewport()->update();
}

void ResultsView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (m_results.rowCount() > 0 || m_emptyHint.isEmpty()) {
        return;
    }
    QPainter painter(viewport());
    const QPalette& colors = palette();
    painter.setPen(Colors::readable(colors.color(QPalette::PlaceholderText), colors.color(QPalette::Base),
                                    colors.color(QPalette::Text)));
    const int margin = fontMetrics().height();
    painter.drawText(viewport()->rect().adjusted(margin, margin, -margin, -margin), Qt::AlignCenter | Qt::TextWordWrap,
                     m_emptyHint);
}

int ResultsView::preferredWidth() const
{
    // Texts of the length item pages usually show, so that a new window needs no scrolling.
    static const QString typical[ResultsModel::ColumnCount] = {QStringLiteral("0000000000"),
                                                               QStringLiteral("a_sellers_name (1234)"),
                                                               QStringLiteral("a_bidders_name (123)"),
                                                               QStringLiteral("US $1,234.56"),
                                                               QStringLiteral("Dec-31-26 23:59:59 PST"),
                                                               QStringLiteral("12 days 23 hours"),
                                                               QStringLiteral("1,000"),
                                                               QStringLiteral("1,000")};
    const ColumnFitter::CellMeasure measure = cellMeasure();
    int width = 0;
    for (int column = 0; column < ResultsModel::ColumnCount; ++column) {
        width += m_kept[column].value_or(std::max(measure(column, typical[column]), m_fitter->widest()[column]));
    }
    return width;
}

// The problem sign and a changed price's bold letters always have their room, so that a mark
// never makes a column jump.
ColumnFitter::CellMeasure ResultsView::cellMeasure() const
{
    const QFontMetrics cellMetrics(font());
    const QFontMetrics priceMetrics(emphasised(font()));
    const int room = padding(*this);
    const int signRoom =
        iconSize().width() + 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    return [cellMetrics, priceMetrics, room, signRoom](int column, const QString& text) {
        if (column == ResultsModel::Price) {
            return priceMetrics.horizontalAdvance(text) + room;
        }
        return cellMetrics.horizontalAdvance(text) + room + (column == ResultsModel::ItemNumber ? signRoom : 0);
    };
}

void ResultsView::makeFitter()
{
    delete m_fitter;
    const QFontMetrics headerMetrics(horizontalHeader()->font());
    const int room = padding(*this);
    // A title leaves room for the arrow that shows the column sorts the grid.
    const int arrowRoom = style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, this) +
                          style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    // The fitter counts the results' own rows: their order does not change a width.
    m_fitter = new ColumnFitter(
        m_results, cellMeasure(),
        [headerMetrics, room, arrowRoom](const QString& text) {
            return headerMetrics.horizontalAdvance(text) + room + arrowRoom;
        },
        this);
    m_fitter->setKeptWidths(m_kept);
    connect(m_fitter, &ColumnFitter::widthsChanged, this, &ResultsView::applyWidths);
    m_fitter->setAvailableWidth(viewport()->width());
    applyWidths();
}

void ResultsView::applyWidths()
{
    const auto& widths = m_fitter->widths();
    m_applyingWidths = true;
    for (int column = 0; column < ColumnFitter::Columns; ++column) {
        setColumnWidth(column, widths[column]);
    }
    m_applyingWidths = false;
}

// A width set other than by the fitter is the user's, dragging the column's edge.
void ResultsView::sectionResized(int column, int /*oldWidth*/, int newWidth)
{
    if (m_applyingWidths || column < 0 || column >= ColumnFitter::Columns || m_kept[column] == newWidth) {
        return;
    }
    m_kept[column] = newWidth;
    m_fitter->setKeptWidths(m_kept);
    Q_EMIT keptWidthsChanged();
}

void ResultsView::fitColumn(int column)
{
    if (column < 0 || column >= ColumnFitter::Columns || !m_kept[column]) {
        return;
    }
    m_kept[column].reset();
    m_fitter->setKeptWidths(m_kept);
    Q_EMIT keptWidthsChanged();
}

QList<int> ResultsView::keptWidths() const
{
    QList<int> widths;
    for (const std::optional<int>& width : m_kept) {
        widths << width.value_or(0);
    }
    return widths;
}

void ResultsView::setKeptWidths(const QList<int>& widths)
{
    for (int column = 0; column < ColumnFitter::Columns; ++column) {
        const int width = widths.value(column);
        m_kept[column] = width > 0 ? std::optional(width) : std::nullopt;
    }
    m_fitter->setKeptWidths(m_kept);
}

QString ResultsView::currentItemNumber() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.siblingAtColumn(ResultsModel::ItemNumber).data().toString() : QString();
}

void ResultsView::activate(const QModelIndex& index)
{
    const QString itemNumber =
        index.isValid() ? index.siblingAtColumn(ResultsModel::ItemNumber).data().toString() : QString();
    // The blank row below the items opens nothing.
    if (!itemNumber.isEmpty()) {
        Q_EMIT itemActivated(itemNumber);
    }
}

void ResultsView::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        activate(currentIndex());
        return;
    }
    QTableView::keyPressEvent(event);
}

void ResultsView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    m_fitter->setAvailableWidth(viewport()->width());
}

void ResultsView::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    // A new font or screen resolution measures every text anew.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        makeFitter();
    }
}
