#pragma once

#include <QObject>
#include <QStringList>

class Settings;
class TrayIcon;

// The desktop notification: at the end of a cycle, one for all the prices that changed in it,
// when the user has it on. The first price an item shows after start-up or a reset is news to
// the grid, not a change to tell.
class ChangeNotifier : public QObject
{
    Q_OBJECT
public:
    ChangeNotifier(const Settings& settings, TrayIcon& tray, QObject* parent = nullptr);

    void cycleStarted();
    void priceChanged(const QString& itemNumber, const QString& oldPrice, const QString& newPrice);
    void cycleEnded();

private:
    const Settings& m_settings;
    TrayIcon& m_tray;
    QStringList m_changes;
};
