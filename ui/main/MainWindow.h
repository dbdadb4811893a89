#pragma once

#include <QMainWindow>

class Announcer;
class CommandActions;
class QToolBar;
class ResultsModel;
class ResultsView;
class StatusPanels;

// The main window: the command menu and toolbar, the grid of watched items and the status
// panels, with the object that speaks to screen readers.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(const CommandActions& actions, ResultsModel& results, QWidget* parent = nullptr);

    ResultsView* resultsView() const { return m_resultsView; }
    StatusPanels* statusPanels() const { return m_statusPanels; }
    Announcer* announcer() const { return m_announcer; }
    QToolBar* toolBar() const { return m_toolBar; }

    // Shows the window in its normal state in front, wherever it was (hidden, minimised).
    void bringBack();
    // A size that shows every column of the grid as it starts out.
    QSize defaultSize() const;
    // What the empty grid says: how to add items, or, with items listed, how to start.
    void setListedItems(int count);

protected:
    QMenu* createPopupMenu() override;

private:
    const CommandActions& m_actions;
    QToolBar* m_toolBar;
    ResultsView* m_resultsView;
    StatusPanels* m_statusPanels;
    Announcer* m_announcer;
};
