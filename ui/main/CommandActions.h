#pragma once

#include <QObject>

class QAction;
class QMenu;
class QToolBar;
class Settings;

// One action per command, shared by the toolbar, the menus and the tray. Enabled states follow
// monitoring; the alert toggles and the way problems are reported follow the settings both ways.
class CommandActions : public QObject
{
    Q_OBJECT
public:
    CommandActions(Settings& settings, QObject* parent = nullptr);

    QAction* start() const { return m_start; }
    QAction* stop() const { return m_stop; }
    QAction* save() const { return m_save; }
    QAction* log() const { return m_log; }
    QAction* history() const { return m_history; }
    QAction* setup() const { return m_setup; }
    QAction* sound() const { return m_sound; }
    QAction* window() const { return m_window; }
    QAction* notification() const { return m_notification; }
    QAction* reportWithoutInterrupting() const { return m_report; }
    QAction* help() const { return m_help; }
    QAction* about() const { return m_about; }
    QAction* exit() const { return m_exit; }

    // Stopped: Start, Save, Setup and Exit; monitoring: Stop. Log and the rest always.
    void setMonitoring(bool monitoring);

    // The toolbar: Start Stop | Save Log History Setup | Sound Window | Help About | Exit |
    void fillToolBar(QToolBar& toolBar) const;
    // The pop-up menu, top to bottom:
    // Exit | About Help | Window Sound Desktop Report | Setup Log History | Stop Go
    void fillMenu(QMenu& menu) const;

private:
    QAction* make(const QString& menuText, const QString& toolText, const QString& tooltip, const QString& icon);

    QAction* m_start;
    QAction* m_stop;
    QAction* m_save;
    QAction* m_log;
    QAction* m_history;
    QAction* m_setup;
    QAction* m_sound;
    QAction* m_window;
    QAction* m_notification;
    QAction* m_report;
    QAction* m_help;
    QAction* m_about;
    QAction* m_exit;
};
