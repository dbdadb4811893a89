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
        m_dialog = dialog;
    }
    return m_dialog;
}

void SetupHost::ShowSetupDialog()
{
    SetupDialog* dialog = ensure();
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

void SetupHost::setHourField(int hours)
{
    ensure()->setHourText(QString::number(hours));
}

void SetupHost::setMinuteField(int minutes)
{
    ensure()->setMinuteText(QString::number(minutes));
}

void SetupHost::setSecondField(int seconds)
{
    ensure()->setSecondText(QString::number(seconds));
}

int SetupHost::ListCount()
{
    return ensure()->ListCount();
}

QString SetupHost::List(int index)
{
    return ensure()->List(index);
}
