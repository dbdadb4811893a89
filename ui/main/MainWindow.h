#pragma once

#include "core/AppState.h"
#include "core/MonitorPorts.h"
#include "ui/main/Commands.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>

class QLabel;
class QMenu;
class QStatusBar;
class QToolBar;
class ResultsGrid;
class ResultsGridView;
class Shell;

// The main window `Form1`: the toolbar, the results grid and the three-panel status bar.
// It is the monitoring core's view and the holder of the two alert indicators. Commands
// whose work lies elsewhere reach it through setCommandHandler(); Sound, Window and Help
// are its own.
class MainWindow : public QMainWindow, public MonitorView, public AlertIndicators
{
    Q_OBJECT
public:
    MainWindow(AppState& app, CycleState& cycle, ResultsGrid& grid, Shell& shell, QString programFolder,
               QString siteHost, QWidget* parent = nullptr);

    // Where the grid goes inside the client area; all values in twips, none below 0.
    struct GridPlacement
    {
        int top = 0;
        int width = 0;
        int height = 0;
    };
    static GridPlacement gridPlacement(int clientWidth, int clientHeight, int toolbarHeight, int statusBarHeight);

    void setCommandHandler(const QString& key, std::function<void()> handler);
    // Runs the command with this key, as a toolbar click does; other keys do nothing.
    void dispatch(const QString& key);

    // A toolbar button by its 1-based position, separators counted; nullptr outside 1..15.
    QAction* toolbarButton(int position) const;
    // A menu entry (or separator) of PopMenu by its objectName.
    QAction* menuEntry(const QString& name) const;
    QMenu* popMenu() const { return m_popMenu; }
    ResultsGridView* gridView() const { return m_gridView; }
    QString statusText() const;
    QString countdownText() const;
    // The pressed look of toolbar button 8 ("Sound") or 9 ("Window"); false for the others.
    bool MixedState(int position) const;

    void ToggleSoundAlert();
    void ToggleWindowAlert();
    void OpenHelp();
    void MakeToolbarFlat();
    void LayoutMainWindow();

    // Asked on every close request but the one of closeForExit(); returns true when it has
    // kept the window (hidden or minimised it), false to let the window close.
    void setCloseHandler(std::function<bool()> handler) { m_closeHandler = std::move(handler); }
    // Closes the window for good; the exit sequence uses it. True when the window closed.
    bool closeForExit();

    // MonitorView
    void setStatusText(const QString& text) override;
    void setCountdownText(const QString& text) override;
    void setMonitoringCommands(bool monitoring) override;
    void showLogWindow() override;

    // AlertIndicators
    void setSoundIndicator(bool on) override;
    void setWindowIndicator(bool on) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    QMenu* createPopupMenu() override;

private:
    void buildStatusBar();
    void setCommandEnabled(const char* key, bool enabled);
    void showIndicator(const char* key, bool on);
    void updateDate();

    AppState& m_app;
    Shell& m_shell;
    QString m_programFolder;
    Commands::Dispatcher m_dispatcher;
    QToolBar* m_toolbar = nullptr;
    QMenu* m_popMenu = nullptr;
    ResultsGridView* m_gridView = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QLabel* m_datePanel = nullptr;
    QLabel* m_statusPanel = nullptr;
    QLabel* m_countdownText = nullptr;
    QTimer m_dateTimer;
    std::array<QAction*, Commands::ToolbarPositions> m_buttons{};
    std::array<QAction*, Commands::Menu.size()> m_menuEntries{};
    // The pressed looks of the Sound and Window buttons. A checkable action flips itself
    // when clicked, so the program keeps the look here and sets the actions from it.
    bool m_soundMixedState = false;
    bool m_windowMixedState = false;
    std::function<bool()> m_closeHandler;
    bool m_closingForExit = false;
};
