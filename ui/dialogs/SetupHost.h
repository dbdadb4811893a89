#pragma once

#include "core/MonitorPorts.h"

#include <QObject>
#include <QPointer>

class Messages;
class ResultsGrid;
class SetupDialog;
struct AppState;

// Owns the one setup dialog. The dialog holds the working item list, so whoever reads the list
// or fills the time fields has the dialog created (hidden) first when there is none.
class SetupHost : public QObject, public ItemListSource
{
    Q_OBJECT
public:
    SetupHost(AppState& app, ResultsGrid& grid, AlertIndicators& indicators, Messages& messages, QString programFolder,
              QObject* parent = nullptr);
    ~SetupHost() override;

    // The dialog, created hidden with its creation steps when there is none. Null only when the
    // dialog was unloaded while a creation step waited for the user.
    SetupDialog* ensure();
    // The Setup command: shows the dialog without blocking, creating it first if needed.
    void ShowSetupDialog();
    // Unloads the dialog if there is one.
    void destroy();
    // The dialog, or null when there is none (a dialog ended by OK or Cancel counts as gone).
    SetupDialog* dialog() const;

    // ItemListSource
    int ListCount() override;
    QString List(int index) override;

private:
    AppState& m_app;
    ResultsGrid& m_grid;
    AlertIndicators& m_indicators;
    Messages& m_messages;
    QString m_programFolder;
    QPointer<SetupDialog> m_dialog;
};
