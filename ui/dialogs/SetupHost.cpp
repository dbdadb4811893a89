#include "ui/dialogs/SetupHost.h"

#include "ui/dialogs/SetupDialog.h"

SetupHost::SetupHost(AppState& app, ResultsGrid& grid, AlertIndicators& indicators, Messages& messages,
                     QString programFolder, QObject* parent)
    : QObject(parent), m_app(app), m_grid(grid), m_indicators(indicators), m_messages(messages),
      m_programFolder(std::move(programFolder))
{}

SetupHost::~SetupHost()
{
    destroy();
}

SetupDialog* SetupHost::ensure()
{
    if (!m_dialog) {
        auto* dialog = new SetupDialog(m_app, m_grid, m_indicators, m_messages, m_programFolder);
        // The dialog deletes itself once it has closed; from that moment it no longer counts,
        // even before the deletion has happened.
        connect(dialog, &QDialog::finished, this, [this, dialog] {
            if (m_dialog == dialog) {
                m_dialog = nullptr;
            }
        });
        // Known before its creation steps run, so that whatever runs while a creation step waits
        // for the user finds this dialog instead of making a second one.
        m_dialog = dialog;
        dialog->runCreationSteps();
    }
    return m_dialog;
}

void SetupHost::ShowSetupDialog()
{
    SetupDialog* dialog = ensure();
    if (!dialog) {
        return; // unloaded while its creation waited for the user
    }
    const bool wasShown = dialog->isVisible();
    dialog->show();
    if (wasShown) {
        dialog->raise();
    } else {
        dialog->focusHourField();
    }
    dialog->activateWindow();
}

void SetupHost::destroy()
{
    delete m_dialog.data();
    m_dialog = nullptr;
}

int SetupHost::ListCount()
{
    SetupDialog* dialog = ensure();
    return dialog ? dialog->ListCount() : 0;
}

QString SetupHost::List(int index)
{
    SetupDialog* dialog = ensure();
    return dialog ? dialog->List(index) : QString();
}

SetupDialog* SetupHost::dialog() const
{
    return m_dialog;
}
