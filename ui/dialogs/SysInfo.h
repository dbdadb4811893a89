#pragma once

#include <QString>
#include <QStringList>

class Messages;
class Registry;
class Shell;

// Reads one string value of the registry into KeyVal. False, with KeyVal empty, when the key or
// the value is missing or the value does not fit the 1024-character buffer the reader allows.
bool GetKeyValue(Registry& registry, quint32 KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                 QString& KeyVal);

// Starts the platform's system information tool for the about box, or says that there is none.
class SysInfoLauncher
{
public:
    // System information tools of the common Linux desktops, tried in this order when the
    // registry names no tool.
    static const QStringList DesktopTools;

    SysInfoLauncher(Registry& registry, Shell& shell, Messages& messages);

    // Which desktop tools to look for, and where; no folders means the PATH.
    void setDesktopTools(const QStringList& names, const QStringList& folders = {});

    void StartSysInfo();

private:
    bool startDesktopTool();

    Registry& m_registry;
    Shell& m_shell;
    Messages& m_messages;
    QStringList m_toolNames = DesktopTools;
    QStringList m_toolFolders;
};
