#pragma once

#include "storage/HistoryStore.h"
#include "ui/dialogs/HistoryWindow.h"

#include <QObject>
#include <QPointer>
#include <QString>

class Clock;
class Messages;
class Monitor;
class QSettings;

// The price history: it keeps what every cycle reads in the history file and owns the history
// window.
class HistoryFeature : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        Monitor& monitor;
        Messages& messages;
        const Clock& clock;
        QSettings& preferences;
        QString programFolder;
        bool keepHistory = true; // off: nothing is read or written, as if the feature were not there
    };

    explicit HistoryFeature(const Services& services, QObject* parent = nullptr);
    ~HistoryFeature() override;

    // Opens the history file and starts keeping what the cycles read.
    void start();
    // The window, in front, showing the item (or the one it showed, when the number is empty).
    void showItem(const QString& itemNumber);
    void closeWindow();

    HistoryStore& store() { return m_store; }
    HistoryWindow* window() const { return m_window; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // When a failure came to light: at start-up, which the user asked for, or after a cycle,
    // which runs unattended and must not take the keyboard.
    enum class Occasion { StartUp, Cycle };
    // Shows a failure of the history file once per run of failures.
    void report(const std::optional<HistoryError>& error, Occasion occasion);

    Services m_services;
    HistoryStore m_store;
    QPointer<HistoryWindow> m_window;
    bool m_failing = false;
};
