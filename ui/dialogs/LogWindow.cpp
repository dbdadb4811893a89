#include "ui/dialogs/LogWindow.h"

#include "ui/Colors.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStringListModel>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

namespace {
QPushButton* button(const QString& name, const QString& text, QWidget* parent)
{
    auto* pushButton = new QPushButton(text, parent);
    pushButton->setObjectName(name);
    // Neither button answers Enter.
    pushButton->setAutoDefault(false);
    return pushButton;
}
} // namespace

LogWindow::LogWindow(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("logWindow"));
    setWindowTitle(tr("Auction Log"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_lines = new QStringListModel(this);
    m_view = new QListView(this);
    m_view->setObjectName(QStringLiteral("logList"));
    m_view->setAccessibleName(tr("Price changes"));
    m_view->setModel(m_lines);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every line is one line of text: the view never needs to measure them one by one.
    m_view->setUniformItemSizes(true);
    m_view->setLayoutMode(QListView::Batched);
    QPalette palette = m_view->palette();
    palette.setColor(QPalette::Text,
                     Colors::readable(QColor(0, 0, 128), palette.color(QPalette::Base), palette.color(QPalette::Text)));
    m_view->setPalette(palette);
    const QFontMetrics metrics = m_view->fontMetrics();
    m_view->setMinimumSize(
        metrics.horizontalAdvance(QStringLiteral("At 00:00:00 : Item #0000000000 Price= US $1,000.00")) +
            2 * style()->pixelMetric(QStyle::PM_ScrollBarExtent),
        metrics.height() * 12);

    auto* ok = button(QStringLiteral("okButton"), tr("&OK"), this);
    auto* clear = button(QStringLiteral("clearButton"), tr("&Clear Log"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(clear);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(m_view, clear);
    setTabOrder(clear, ok);

    m_redraw.setSingleShot(true);
    m_redraw.setInterval(100);
    connect(&m_redraw, &QTimer::timeout, this, &LogWindow::flush);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    connect(clear, &QPushButton::clicked, this, [this] {
        m_pending.clear();
        m_lines->setStringList({});
    });
    connect(m_view, &QListView::activated, this, [this](const QModelIndex& index) {
        if (const std::optional<QString> itemNumber = itemNumberIn(index.data().toString())) {
            Q_EMIT itemWanted(*itemNumber);
        }
    });
}

void LogWindow::appendLine(const QString& line)
{
    m_pending << line;
    if (!isVisible()) {
        flush();
    } else if (!m_redraw.isActive()) {
        m_redraw.start();
    }
}

void LogWindow::flush()
{
    if (m_pending.isEmpty()) {
        return;
    }
    // Keep following the newest line, unless the user has scrolled up to read older ones.
    const QScrollBar* bar = m_view->verticalScrollBar();
    const bool followNewest = bar->value() == bar->maximum();
    const int row = m_lines->rowCount();
    const int count = static_cast<int>(m_pending.size());
    m_lines->insertRows(row, count);
    for (int i = 0; i < count; ++i) {
        m_lines->setData(m_lines->index(row + i), m_pending[i]);
    }
    m_pending.clear();
    if (m_lines->rowCount() > LineLimit) {
        m_lines->removeRows(0, m_lines->rowCount() - LineLimit);
    }
    if (followNewest && isVisible()) {
        m_view->scrollToBottom();
    }
}

QStringList LogWindow::lines() const
{
    return m_lines->stringList() + m_pending;
}

std::optional<QString> LogWindow::itemNumberIn(const QString& line)
{
    static const QRegularExpression pattern(QStringLiteral("^At \\d\\d:\\d\\d:\\d\\d : Item #(.*)(?: Price= |: )"),
                                            QRegularExpression::InvertedGreedinessOption);
    const QRegularExpressionMatch match = pattern.match(line);
    return match.hasMatch() ? std::optional(match.captured(1)) : std::nullopt;
}

void LogWindow::present()
{
    setActivation(Activation::WhenShown);
    show();
    raise();
    activateWindow();
}

void LogWindow::popUp()
{
    if (!isVisible()) {
        // Window managers differ in which hint they honour; with both, none hands it the keyboard.
        setAttribute(Qt::WA_ShowWithoutActivating, true);
        setActivation(Activation::WhenClicked);
        show();
    }
    raise();
}

// A window that does not accept the focus takes it again once the user clicks into it.
void LogWindow::setActivation(Activation activation)
{
    const bool accept = activation == Activation::WhenShown;
    setAttribute(Qt::WA_ShowWithoutActivating, !accept);
    winId(); // the native window must exist for its hint to be set
    windowHandle()->setFlag(Qt::WindowDoesNotAcceptFocus, !accept);
    if (accept) {
        windowHandle()->removeEventFilter(this);
    } else {
        windowHandle()->installEventFilter(this);
    }
}

bool LogWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::MouseButtonPress) {
        setActivation(Activation::WhenShown);
        activateWindow();
    }
    return QDialog::eventFilter(watched, event);
}

void LogWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_view->scrollToBottom();
}

void LogWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape puts the window away as OK does; QDialog's own handling would close it, and the
    // lines with it. Enter presses no button: none is the default.
    if (event->matches(QKeySequence::Cancel)) {
        hide();
        return;
    }
    QDialog::keyPressEvent(event);
}
