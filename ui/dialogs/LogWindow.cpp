#include "ui/dialogs/LogWindow.h"

#include "ui/main/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace {
QFont sansFont(double pointSize)
{
    QFont font = QApplication::font();
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(false);
    return font;
}

QPushButton* makeButton(const QString& name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    // Neither button answers Enter or Escape.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}
} // namespace

LogWindow::LogWindow(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(QStringLiteral("Auction Log"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(sansFont(8.25));
    setFixedSize(Twips::toPixelsX(*this, 6030), Twips::toPixelsY(*this, 3195));

    auto* ok = makeButton(QStringLiteral("OKButton"), QStringLiteral("OK"), this);
    ok->setGeometry(Twips::toPixels(*this, 4560, 2760, 1215, 375));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(QStringLiteral("Price changes"));
    m_list->setGeometry(Twips::toPixels(*this, 240, 120, 5535, 2460));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setFont(sansFont(9.75));
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, QColor(0, 0, 128));
    m_list->setPalette(palette);

    auto* clear = makeButton(QStringLiteral("reset_but"), QStringLiteral("Clear Log"), this);
    clear->setGeometry(Twips::toPixels(*this, 3120, 2760, 1215, 375));

    setTabOrder(ok, m_list);
    setTabOrder(m_list, clear);
    ok->setFocus();

    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    connect(clear, &QPushButton::clicked, m_list, &QListWidget::clear);
}

void LogWindow::appendLine(const QString& line)
{
    // Keep following the newest line, unless the user has scrolled up to read older ones.
    QScrollBar* bar = m_list->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    m_list->addItem(line);
    if (atEnd) {
        m_list->scrollToBottom();
    }
}

QStringList LogWindow::lines() const
{
    QStringList result;
    result.reserve(m_list->count());
    for (int i = 0; i < m_list->count(); ++i) {
        result << m_list->item(i)->text();
    }
    return result;
}

void LogWindow::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted()) {
        Q_EMIT closing();
    }
}

void LogWindow::keyPressEvent(QKeyEvent* event)
{
    // Not QDialog's handling: that would close the window on Escape and press a button on Enter.
    QWidget::keyPressEvent(event);
}
