#pragma once

#include "storage/SettingsFile.h"

#include <QDialog>
#include <QStringList>

class Messages;
class QCheckBox;
class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;
class QTabWidget;
class QToolButton;
class Settings;

// The Setup dialog: the interval, the alerts and the list of watched items. It edits a copy of
// the list; OK hands the copy and the fields' texts on through confirmed(). The alert buttons
// act on the settings at once. It deletes itself when it closes.
class SetupDialog : public QDialog
{
    Q_OBJECT
public:
    // Which time field the arrows act on: the one that last had the focus.
    enum class TimeField { Hours, Minutes, Seconds };

    SetupDialog(Settings& settings, const QStringList& items, Messages& messages, QWidget* parent = nullptr);

    TimeField activeTimeField() const { return m_activeField; }

Q_SIGNALS:
    void confirmed(const QStringList& items, const SettingsTexts& texts);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* notificationPage(Settings& settings);
    QWidget* auctionListPage();
    void arrangeTabOrder();
    QLineEdit* activeField() const;
    enum class Step { Up, Down };
    void stepActiveField(Step step);
    void addItem();
    void removeItem();
    void confirm();

    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_hours = nullptr;
    QLineEdit* m_minutes = nullptr;
    QLineEdit* m_seconds = nullptr;
    QWidget* m_arrows = nullptr;
    QToolButton* m_sound = nullptr;
    QToolButton* m_popUp = nullptr;
    QToolButton* m_notification = nullptr;
    QCheckBox* m_report = nullptr;
    QLineEdit* m_itemField = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_add = nullptr;
    QListView* m_itemView = nullptr;
    QStringListModel* m_items = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    TimeField m_activeField = TimeField::Hours;
    Messages& m_messages;
};
