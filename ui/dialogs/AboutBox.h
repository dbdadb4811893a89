#pragma once

#include "ui/dialogs/SysInfo.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

// The about box `frmAbout`: the program's icon, title and version, two notices, and a button
// that starts the system information tool. It unloads itself when closed.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit AboutBox(SysInfoLauncher& sysInfo, QWidget* parent = nullptr);

private:
    void createControls();
    void load();

    SysInfoLauncher& m_sysInfo;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdSysInfo = nullptr;
    QLabel* m_picIcon = nullptr;
    QLabel* m_lblDescription = nullptr;
    QLabel* m_lblDisclaimer = nullptr;
    QLabel* m_lblTitle = nullptr;
    QLabel* m_lblVersion = nullptr;
};

// Keeps the one about box of the program.
class AboutHost
{
public:
    AboutHost(Registry& registry, Shell& shell, Messages& messages);
    ~AboutHost();
    AboutHost(const AboutHost&) = delete;
    AboutHost& operator=(const AboutHost&) = delete;

    // Creates the box when there is none and shows it without blocking; a box already on screen
    // only comes to the front.
    void ShowAboutBox();
    // The box on screen, or null.
    AboutBox* box() const;
    // Unloads the box if there is one; the exit sequence calls it.
    void destroy();
    SysInfoLauncher& sysInfo() { return m_sysInfo; }

private:
    SysInfoLauncher m_sysInfo;
    QPointer<AboutBox> m_box;
};
