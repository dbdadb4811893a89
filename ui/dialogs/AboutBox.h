#pragma once

#include <QDialog>
#include <QStringList>

class Messages;

// About Bidorra: the icon, the title, the version, two notices, and a button that starts the
// desktop's system information tool. It deletes itself when it closes.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit AboutBox(Messages& messages, QWidget* parent = nullptr);

    // "Version 1.0.0": major, minor and revision, each without leading zeros.
    static QString versionText();

    // The system information tools of the common Linux desktops, tried in this order, and
    // where to look for them (empty: the PATH).
    void setSystemInfoTools(const QStringList& names, const QStringList& folders = {});
    void startSystemInfo();

private:
    Messages& m_messages;
    QStringList m_toolNames;
    QStringList m_toolFolders;
};
