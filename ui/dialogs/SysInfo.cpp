#include "ui/dialogs/SysInfo.h"

#include "platform/Messages.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "ui/dialogs/AppInfo.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace {
constexpr qsizetype ValueBufferSize = 1024;
}

bool GetKeyValue(Registry& registry, quint32 KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal)
{
    const std::optional<QString> found = registry.value(KeyRoot, KeyName, SubKeyRef);
    // One place of the buffer is kept for the terminating zero.
    if (!found || found->size() >= ValueBufferSize) {
        KeyVal.clear();
        return false;
    }
    KeyVal = *found;
    if (KeyVal.endsWith(QChar(0))) {
        KeyVal.chop(1);
    }
    return true;
}

const QStringList SysInfoLauncher::DesktopTools = {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
                                                   QStringLiteral("kinfocenter")};

SysInfoLauncher::SysInfoLauncher(Registry& registry, Shell& shell, Messages& messages)
    : m_registry(registry), m_shell(shell), m_messages(messages)
{}

void SysInfoLauncher::setDesktopTools(const QStringList& names, const QStringList& folders)
{
    m_toolNames = names;
    m_toolFolders = folders;
}

void SysInfoLauncher::StartSysInfo()
{
    QString KeyVal;
    // A tool that is named but cannot be started is not replaced by another one: the user is told.
    if (GetKeyValue(m_registry, Registry::LocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                    QStringLiteral("PATH"), KeyVal)) {
        if (m_shell.startProgram(KeyVal)) {
            return;
        }
    } else if (GetKeyValue(m_registry, Registry::LocalMachine,
                           QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"),
                           KeyVal)) {
        const QString path = KeyVal + QStringLiteral("/MSINFO32.EXE");
        if (QFileInfo::exists(path) && m_shell.startProgram(path)) {
            return;
        }
    } else if (startDesktopTool()) {
        return;
    }
    m_messages.show(QStringLiteral("System Information Is Unavailable At This Time"), AppInfo::title(),
                    Messages::Icon::None);
}

bool SysInfoLauncher::startDesktopTool()
{
    for (const QString& name : std::as_const(m_toolNames)) {
        const QString path = QStandardPaths::findExecutable(name, m_toolFolders);
        if (!path.isEmpty()) {
            return m_shell.startProgram(path);
        }
    }
    return false;
}
