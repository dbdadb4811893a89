#pragma once

#include <QDialog>
#include <QWidgetList>

class AlertIndicators;
class Messages;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QToolButton;
class ResultsGrid;
class UpDownArrows;
struct AppState;

// The setup dialog `Setup`: the check interval, the two alerts and the working item list.
// Modeless; it unloads itself (deletes itself) when OK, Cancel or the window's close box ends it.
// Its owner runs the creation steps right after constructing it: the list from the item list file,
// the check boxes from the alert flags and the time fields from the interval.
class SetupDialog : public QDialog
{
    Q_OBJECT
public:
    SetupDialog(AppState& app, ResultsGrid& grid, AlertIndicators& indicators, Messages& messages,
                const QString& programFolder, QWidget* parent = nullptr);

    // A failed read of the item list file is reported with a message box that waits for the
    // user; the dialog may be unloaded meanwhile, which ends the steps there.
    void runCreationSteps();

    // The working item list, `item_lst`.
    int ListCount() const;
    QString List(int index) const;

    // Gives the focus to `Hour_txt`, as showing the dialog does.
    void focusHourField();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void arrangeTabOrder();
    void showTab(int index);

    QLineEdit* activeTimeField(int& limit) const;
    void upArrow();
    void downArrow();
    void soundClicked(bool checked);
    void windowClicked(bool checked);
    void addItem();
    void removeItem();
    void ok();

    AppState& m_app;
    ResultsGrid& m_grid;
    AlertIndicators& m_indicators;
    Messages& m_messages;
    QString m_programFolder;

    QTabWidget* m_SSTab1 = nullptr;
    QPushButton* m_Ok_btn = nullptr;
    QPushButton* m_Cancel_btn = nullptr;
    QGroupBox* m_Frame2 = nullptr;
    QLabel* m_Label1 = nullptr;
    QLineEdit* m_Hour_txt = nullptr;
    QLineEdit* m_min_txt = nullptr;
    QLineEdit* m_sec_txt = nullptr;
    UpDownArrows* m_UpDown1 = nullptr;
    QGroupBox* m_Frame3 = nullptr;
    QToolButton* m_sound_chk = nullptr;
    QToolButton* m_windows_chk = nullptr;
    QGroupBox* m_Frame1 = nullptr;
    QLabel* m_Label2 = nullptr;
    QLineEdit* m_Item_txt = nullptr;
    QPushButton* m_Remove_btn = nullptr;
    QPushButton* m_Add_btn = nullptr;
    QListWidget* m_item_lst = nullptr;
    // The controls standing on each tab; only the front tab's are shown.
    QWidgetList m_tabControls[2];
};
