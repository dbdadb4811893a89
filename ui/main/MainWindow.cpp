#include "ui/main/MainWindow.h"

#include "ui/Icons.h"
#include "ui/main/Announcer.h"
#include "ui/main/CommandActions.h"
#include "ui/main/ResultsView.h"
#include "ui/main/StatusPanels.h"

#include <QAction>
#include <QHeaderView>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

MainWindow::MainWindow(const CommandActions& actions, ResultsModel& results, QWidget* parent)
    : QMainWindow(parent), m_actions(actions)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Bidorra"));
    setWindowIcon(Icons::program());

    // The tray's menu, also as the window's menu bar: every command and switch is in reach here.
    QMenu* commands = menuBar()->addMenu(tr("&Auction"));
    commands->setObjectName(QStringLiteral("windowMenu"));
    actions.fillMenu(*commands);

    m_toolBar = new QToolBar(tr("Commands"), this);
    m_toolBar->setObjectName(QStringLiteral("commandBar"));
    m_toolBar->setIconSize(QSize(32, 32));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    actions.fillToolBar(*m_toolBar);
    // Every command button takes its turn with Tab, so the toolbar needs no mouse.
    for (QToolButton* button : m_toolBar->findChildren<QToolButton*>()) {
        button->setFocusPolicy(Qt::TabFocus);
        button->setAutoRaise(true);
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    const int gap = style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing) / 2;
    layout->setContentsMargins(0, std::max(gap, 1), std::max(gap, 1), std::max(gap, 1));
    m_resultsView = new ResultsView(results, client);
    setListedItems(0);
    layout->addWidget(m_resultsView);
    setCentralWidget(client);

    m_statusPanels = new StatusPanels(this);
    setStatusBar(m_statusPanels);
    m_announcer = new Announcer(m_statusPanels);
}

void MainWindow::setListedItems(int count)
{
    const QString start = m_actions.start()->shortcut().toString(QKeySequence::NativeText);
    m_resultsView->setEmptyHint(
        count == 0 ? tr("No auctions to show yet. Add their item numbers in Setup (%1), then choose Start (%2).")
                         .arg(m_actions.setup()->shortcut().toString(QKeySequence::NativeText), start)
                   : tr("Items listed: %1. Choose Start (%2) to watch them.").arg(count).arg(start));
}

void MainWindow::bringBack()
{
    showNormal();
    raise();
    activateWindow();
}

QSize MainWindow::defaultSize() const
{
    const QSize hint = sizeHint();
    const int frame = m_resultsView->frameWidth() * 2 + 2 * style()->pixelMetric(QStyle::PM_LayoutRightMargin);
    const int wanted = std::max({hint.width(), m_resultsView->preferredWidth() + frame, m_toolBar->sizeHint().width()});
    // Room for a dozen watched items without scrolling.
    const int height = std::max(hint.height(), menuBar()->sizeHint().height() + m_toolBar->sizeHint().height() +
                                                   m_statusPanels->sizeHint().height() +
                                                   15 * m_resultsView->verticalHeader()->defaultSectionSize());
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    return QSize(std::min(wanted, screen.width()), std::min(height, screen.height()));
}

QMenu* MainWindow::createPopupMenu()
{
    // No menu for hiding the toolbar: the commands must stay in sight.
    return nullptr;
}
