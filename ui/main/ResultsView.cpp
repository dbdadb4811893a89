#include "ui/main/ResultsView.h"

#include "core/ResultsModel.h"
#include "ui/main/ColumnFitter.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>
#include <cmath>

namespace {
// Room around a text, a tenth of an inch as a printer would leave it.
int padding(const QWidget& widget)
{
    return static_cast<int>(std::lround(widget.logicalDpiX() / 9.6));
}
} // namespace

ResultsView::ResultsView(ResultsModel& results, QWidget* parent) : QTableView(parent), m_results(results)
{
    setObjectName(QStringLiteral("resultsView"));
    setAccessibleName(tr("Watched auctions"));
    setModel(&results);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Tab leaves the grid for the next control instead of walking its cells.
    setTabKeyNavigation(false);
    connect(this, &QAbstractItemView::doubleClicked, this, &ResultsView::activate);
    makeFitter();
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
    const int room = padding(*this);
    int width = 0;
    for (int column = 0; column < ResultsModel::ColumnCount; ++column) {
        width += std::max(fontMetrics().horizontalAdvance(typical[column]) + room, m_fitter->widest()[column]);
    }
    return width;
}

void ResultsView::makeFitter()
{
    delete m_fitter;
    const QFontMetrics cellMetrics(font());
    const QFontMetrics headerMetrics(horizontalHeader()->font());
    const int room = padding(*this);
    m_fitter = new ColumnFitter(
        m_results, [cellMetrics, room](const QString& text) { return cellMetrics.horizontalAdvance(text) + room; },
        [headerMetrics, room](const QString& text) { return headerMetrics.horizontalAdvance(text) + room; }, this);
    connect(m_fitter, &ColumnFitter::widthsChanged, this, &ResultsView::applyWidths);
    m_fitter->setAvailableWidth(viewport()->width());
    applyWidths();
}

void ResultsView::applyWidths()
{
    const auto& widths = m_fitter->widths();
    for (int column = 0; column < ColumnFitter::Columns; ++column) {
        setColumnWidth(column, widths[column]);
    }
}

void ResultsView::activate(const QModelIndex& index)
{
    const QString itemNumber = m_results.text(index.row(), ResultsModel::ItemNumber);
    // The blank row below the items opens nothing.
    if (index.isValid() && !itemNumber.isEmpty()) {
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
