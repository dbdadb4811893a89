#include "ui/dialogs/SetupDialog.h"

#include "core/AuctionSite.h"
#include "core/Settings.h"
#include "platform/Messages.h"
#include "storage/ItemListFile.h"
#include "ui/Colors.h"
#include "ui/Icons.h"
#include "ui/dialogs/TimeFieldArrows.h"
#include "ui/dialogs/UpDownArrows.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

namespace {
// An item number as the field takes it: a pasted item page address gives its number, and no
// entry grows longer than the list file keeps.
class ItemNumberValidator final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override
    {
        const QString number = itemNumberInAddress(input);
        if (number != input) {
            input = number;
            position = static_cast<int>(input.size());
        }
        return input.size() <= ItemNumberLimit ? Acceptable : Invalid;
    }
};

constexpr int HourLimit = 23;
constexpr int MinuteSecondLimit = 59;

QPushButton* button(const QString& name, const QString& text, QWidget* parent)
{
    auto* pushButton = new QPushButton(text, parent);
    pushButton->setObjectName(name);
    // No button answers Enter; a click or Space presses it.
    pushButton->setAutoDefault(false);
    return pushButton;
}

QLineEdit* timeField(const QString& name, const QString& accessibleName, int value, QWidget* parent)
{
    auto* field = new QLineEdit(QString::number(value), parent);
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    return field;
}

QToolButton* alertToggle(const QString& name, const QString& text, const QString& icon, bool on, QWidget* parent)
{
    auto* toggle = new QToolButton(parent);
    toggle->setObjectName(name);
    toggle->setText(text);
    toggle->setIcon(Icons::command(icon));
    toggle->setIconSize(QSize(32, 32));
    toggle->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toggle->setCheckable(true);
    toggle->setChecked(on);
    toggle->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toggle->setFocusPolicy(Qt::StrongFocus);
    return toggle;
}

QGroupBox* frame(const QString& caption, QWidget* parent)
{
    auto* box = new QGroupBox(caption, parent);
    return box;
}
} // namespace

SetupDialog::SetupDialog(Settings& settings, const QStringList& items, Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_messages(messages)
{
    setObjectName(QStringLiteral("setupDialog"));
    setWindowTitle(tr("Setup"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_items = new QStringListModel(items, this);

    m_tabs = new QTabWidget(this);
    m_tabs->addTab(notificationPage(settings), tr("&Notification"));
    m_tabs->addTab(auctionListPage(), tr("Auction &List"));
    m_ok = button(QStringLiteral("okButton"), tr("&OK"), this);
    m_cancel = button(QStringLiteral("cancelButton"), tr("&Cancel"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ok, &QPushButton::clicked, this, &SetupDialog::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    arrangeTabOrder();
}

QWidget* SetupDialog::notificationPage(Settings& settings)
{
    auto* page = new QWidget;
    const Interval interval = settings.interval();
    auto* timer = frame(tr("Timer"), page);
    auto* every = new QLabel(tr("Check Auction(s) &Every"), timer);
    m_hours = timeField(QStringLiteral("hoursField"), tr("Hours"), interval.hours, timer);
    m_minutes = timeField(QStringLiteral("minutesField"), tr("Minutes"), interval.minutes, timer);
    m_seconds = timeField(QStringLiteral("secondsField"), tr("Seconds"), interval.seconds, timer);
    auto* arrows = new UpDownArrows(timer);
    arrows->setObjectName(QStringLiteral("timeArrows"));
    arrows->setAccessibleName(tr("Change the time field"));
    m_arrows = arrows;
    every->setBuddy(m_hours);
    arrows->setFixedSize(m_hours->sizeHint().height() * 2 / 3, m_hours->sizeHint().height());
    auto* timeRow = new QHBoxLayout(timer);
    timeRow->addWidget(every);
    timeRow->addSpacing(every->fontMetrics().averageCharWidth());
    timeRow->setSpacing(2);
    for (QWidget* control : {static_cast<QWidget*>(m_hours), static_cast<QWidget*>(m_minutes),
                             static_cast<QWidget*>(m_seconds), m_arrows}) {
        timeRow->addWidget(control, 0, Qt::AlignVCenter);
    }

    auto* alerts = frame(tr("Alert Me By"), page);
    m_sound = alertToggle(QStringLiteral("soundToggle"), tr("&Play Sound"), QStringLiteral("sound"),
                          settings.playSound(), alerts);
    m_popUp = alertToggle(QStringLiteral("popUpToggle"), tr("Pop-up &Window"), QStringLiteral("window"),
                          settings.popUpLog(), alerts);
    m_notification = alertToggle(QStringLiteral("notificationToggle"), tr("&Desktop Notification"),
                                 QStringLiteral("notify"), settings.desktopNotification(), alerts);
    m_report = new QCheckBox(tr("&Report problems without interrupting"), alerts);
    m_report->setObjectName(QStringLiteral("reportCheck"));
    m_report->setToolTip(tr("A problem with an item marks its row and goes into the log; no message box waits "
                            "for OK, and monitoring goes on."));
    m_report->setChecked(settings.reportWithoutInterrupting());
    auto* alertGrid = new QGridLayout(alerts);
    alertGrid->addWidget(m_sound, 0, 0);
    alertGrid->addWidget(m_popUp, 0, 1);
    alertGrid->addWidget(m_notification, 1, 0);
    alertGrid->addWidget(m_report, 2, 0, 1, 2);

    auto* row = new QHBoxLayout(page);
    row->addWidget(timer, 3);
    row->addWidget(alerts, 2);
    for (QGroupBox* box : {timer, alerts}) {
        Colors::tintText(*box, box->palette().color(QPalette::Link));
    }

    for (QLineEdit* field : {m_hours, m_minutes, m_seconds}) {
        field->installEventFilter(this);
    }
    connect(arrows, &UpDownArrows::upPressed, this, [this] { stepActiveField(Step::Up); });
    connect(arrows, &UpDownArrows::downPressed, this, [this] { stepActiveField(Step::Down); });
    connect(m_sound, &QToolButton::toggled, &settings, &Settings::setPlaySound);
    connect(m_popUp, &QToolButton::toggled, &settings, &Settings::setPopUpLog);
    // These two are no part of the settings file: they follow the menu's toggles both ways.
    connect(m_notification, &QToolButton::toggled, &settings, &Settings::setDesktopNotification);
    connect(&settings, &Settings::desktopNotificationChanged, m_notification, &QToolButton::setChecked);
    connect(m_report, &QCheckBox::toggled, &settings, &Settings::setReportWithoutInterrupting);
    connect(&settings, &Settings::reportWithoutInterruptingChanged, m_report, &QCheckBox::setChecked);
    return page;
}

QWidget* SetupDialog::auctionListPage()
{
    auto* page = new QWidget;
    auto* box = frame(QString(), page);
    auto* label = new QLabel(tr("&Item #"), box);
    m_itemField = new QLineEdit(box);
    m_itemField->setObjectName(QStringLiteral("itemField"));
    m_itemField->setValidator(new ItemNumberValidator(m_itemField));
    m_itemField->setToolTip(tr("An item number, or an item page's address pasted from the browser"));
    label->setBuddy(m_itemField);
    m_remove = button(QStringLiteral("removeButton"), tr("<< Re&move Item"), box);
    m_add = button(QStringLiteral("addButton"), tr("&Add Item >>"), box);
    m_itemView = new QListView(box);
    m_itemView->setObjectName(QStringLiteral("itemList"));
    m_itemView->setAccessibleName(tr("Watched items"));
    m_itemView->setModel(m_items);
    m_itemView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_itemView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_itemView->setUniformItemSizes(true);
    m_itemView->installEventFilter(this);

    auto* grid = new QGridLayout(box);
    grid->addWidget(label, 0, 0, Qt::AlignTop);
    grid->addWidget(m_itemField, 0, 1, 1, 2, Qt::AlignTop);
    grid->addWidget(m_remove, 1, 1, Qt::AlignBottom);
    grid->addWidget(m_add, 1, 2, Qt::AlignBottom);
    grid->addWidget(m_itemView, 0, 3, 2, 1);
    grid->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(box);

    connect(m_add, &QPushButton::clicked, this, &SetupDialog::addItem);
    connect(m_itemField, &QLineEdit::returnPressed, this, &SetupDialog::addItem);
    connect(m_remove, &QPushButton::clicked, this, &SetupDialog::removeItem);
    return page;
}

// The order the controls stand on the screen: the tabs, each page from left to right and top
// to bottom, then OK and Cancel.
void SetupDialog::arrangeTabOrder()
{
    const QList<QWidget*> order = {m_tabs->tabBar(), m_hours, m_minutes,      m_seconds, m_arrows,
                                   m_sound,          m_popUp, m_notification, m_report,  m_itemField,
                                   m_remove,         m_add,   m_itemView,     m_ok,      m_cancel};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void SetupDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The arrows act on the hours until another time field takes the focus.
    m_hours->setFocus(Qt::ActiveWindowFocusReason);
    m_activeField = TimeField::Hours;
}

bool SetupDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_hours) {
            m_activeField = TimeField::Hours;
        } else if (watched == m_minutes) {
            m_activeField = TimeField::Minutes;
        } else if (watched == m_seconds) {
            m_activeField = TimeField::Seconds;
        }
    } else if (watched == m_itemView && event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        removeItem();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void SetupDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape cancels as QDialog has it; Enter never answers for OK (in the item field it adds).
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QLineEdit* SetupDialog::activeField() const
{
    switch (m_activeField) {
    case TimeField::Hours:
        return m_hours;
    case TimeField::Minutes:
        return m_minutes;
    case TimeField::Seconds:
        return m_seconds;
    }
    return m_hours;
}

void SetupDialog::stepActiveField(Step step)
{
    QLineEdit* field = activeField();
    const int limit = m_activeField == TimeField::Hours ? HourLimit : MinuteSecondLimit;
    field->setText(step == Step::Up ? TimeFieldArrows::up(field->text(), limit) : TimeFieldArrows::down(field->text()));
}

void SetupDialog::addItem()
{
    const QString item = m_itemField->text();
    if (item.isEmpty()) {
        return;
    }
    const QStringList items = m_items->stringList();
    const auto same = std::find_if(items.cbegin(), items.cend(),
                                   [&item](const QString& entry) { return entry.trimmed() == item.trimmed(); });
    if (same != items.cend()) {
        // Two entries would only fetch the same page twice: the one there is shown instead.
        m_itemView->setCurrentIndex(m_items->index(static_cast<int>(same - items.cbegin())));
        m_messages.show({tr("Item #%1 is already in the list.").arg(item.trimmed()), tr("Item Already Listed"),
                         Message::Icon::Information});
        return;
    }
    const int row = m_items->rowCount();
    m_items->insertRows(row, 1);
    m_items->setData(m_items->index(row), item);
    m_itemField->clear();
}

void SetupDialog::removeItem()
{
    const QModelIndexList selected = m_itemView->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        return;
    }
    m_items->removeRows(selected.first().row(), 1);
    m_itemView->selectionModel()->clear();
}

void SetupDialog::confirm()
{
    Q_EMIT confirmed(m_items->stringList(), SettingsTexts{m_sound->isChecked(), m_popUp->isChecked(), m_hours->text(),
                                                          m_minutes->text(), m_seconds->text()});
    accept();
}
