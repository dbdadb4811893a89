#include "ui/dialogs/SetupDialog.h"

#include "core/AppState.h"
#include "core/MonitorPorts.h"
#include "core/ResultsGrid.h"
#include "storage/FileMessages.h"
#include "storage/ItemListFile.h"
#include "storage/SettingsFile.h"
#include "ui/dialogs/AlertIcons.h"
#include "ui/dialogs/DesignFont.h"
#include "ui/dialogs/TimeFieldArrows.h"
#include "ui/dialogs/UpDownArrows.h"
#include "ui/main/Twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace {
constexpr int NotificationTab = 0;
constexpr int AuctionListTab = 1;
constexpr int HourLimit = 23;
constexpr int MinuteSecondLimit = 59;

template <typename Widget> Widget* named(Widget* widget, const char* name, const QRect& geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

QPushButton* pushButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* button = named(new QPushButton(caption, parent), name, geometry);
    // No button answers Enter; only a click or Space presses it.
    button->setAutoDefault(false);
    return button;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* box = named(new QGroupBox(caption, parent), name, geometry);
    // Styles differ in which role colours the caption; both are set, and the frame's own labels
    // get the ordinary colour back.
    QPalette palette = box->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    palette.setColor(QPalette::Text, Qt::blue);
    box->setPalette(palette);
    return box;
}

QLabel* label(QGroupBox* parent, const char* name, const QString& caption, const QRect& geometry, const QColor& color)
{
    auto* text = named(new QLabel(caption, parent), name, geometry);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = text->palette();
    palette.setColor(QPalette::WindowText, color);
    text->setPalette(palette);
    return text;
}

QToolButton* alertButton(QWidget* parent, const char* name, const QString& caption, const QIcon& icon,
                         const QRect& geometry)
{
    auto* button = named(new QToolButton(parent), name, geometry);
    button->setText(caption);
    button->setIcon(icon);
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setCheckable(true);
    return button;
}
} // namespace

SetupDialog::SetupDialog(AppState& app, ResultsGrid& grid, AlertIndicators& indicators, Messages& messages,
                         const QString& programFolder, QWidget* parent)
    : QDialog(parent), m_app(app), m_grid(grid), m_indicators(indicators), m_messages(messages),
      m_programFolder(programFolder)
{
    setObjectName(QStringLiteral("Setup"));
    setWindowTitle(QStringLiteral("Setup"));
    // A tool window is the kind of top-level window that task bars leave out; the hints keep a
    // plain title bar with a close box and no minimise or maximise box.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);
    createControls();
    arrangeTabOrder();
    showTab(NotificationTab);
}

void SetupDialog::createControls()
{
    useDesignFont(this);
    const auto at = [this](int x, int y, int width, int height) {
        return Twips::designRect(*this, x, y, width, height);
    };
    setFixedSize(Twips::toPixelsX(*this, 499 * Twips::PerDesignPixel),
                 Twips::toPixelsY(*this, 214 * Twips::PerDesignPixel));
    const QColor plain = palette().color(QPalette::WindowText);

    m_SSTab1 = named(new QTabWidget(this), "SSTab1", at(8, 8, 481, 169));
    m_SSTab1->addTab(new QWidget, QStringLiteral("Notification"));
    m_SSTab1->addTab(new QWidget, QStringLiteral("Auction List"));
    // The tab strip takes the focus when clicked but stays out of the Tab key's round.
    m_SSTab1->tabBar()->setFocusPolicy(Qt::ClickFocus);
    connect(m_SSTab1, &QTabWidget::currentChanged, this, &SetupDialog::showTab);
    m_Ok_btn = pushButton(this, "Ok_btn", QStringLiteral("OK"), at(248, 184, 113, 25));
    m_Cancel_btn = pushButton(this, "Cancel_btn", QStringLiteral("Cancel"), at(376, 184, 113, 25));

    // The controls stand directly on the tab control, placed from its top-left corner with the
    // tab strip counted, and are shown with their tab. Frames first, so they lie underneath.
    QWidget* tab = m_SSTab1;
    m_Frame2 = frame(tab, "Frame2", QStringLiteral("Timer"), at(8, 32, 265, 121));
    m_Label1 = label(m_Frame2, "Label1", QStringLiteral("Check Auction(s) Every"), at(8, 56, 153, 25), plain);
    m_Frame3 = frame(tab, "Frame3", QStringLiteral("Alert Me By"), at(280, 32, 185, 121));
    m_Hour_txt = named(new QLineEdit(tab), "Hour_txt", at(168, 80, 25, 19));
    m_min_txt = named(new QLineEdit(tab), "min_txt", at(192, 80, 25, 19));
    m_sec_txt = named(new QLineEdit(tab), "sec_txt", at(216, 80, 25, 19));
    m_UpDown1 = named(new UpDownArrows(tab), "UpDown1", at(240, 80, 13, 19));
    m_sound_chk =
        alertButton(tab, "sound_chk", QStringLiteral("Play Sound"), AlertIcons::sound(), at(312, 48, 121, 49));
    m_windows_chk = alertButton(tab, "windows_chk", QStringLiteral("Pop-up Window"), AlertIcons::popUpWindow(),
                                at(312, 96, 121, 49));

    m_Frame1 = frame(tab, "Frame1", QString(), at(8, 24, 457, 129));
    m_Label2 = label(m_Frame1, "Label2", QStringLiteral("Item #"), at(8, 32, 57, 25), plain);
    m_Item_txt = named(new QLineEdit(tab), "Item_txt", at(80, 48, 217, 25));
    m_Remove_btn = pushButton(tab, "Remove_btn", QStringLiteral("<< Remove Item"), at(80, 112, 105, 25));
    m_Add_btn = pushButton(tab, "Add_btn", QStringLiteral("Add Item >>"), at(192, 112, 105, 25));
    m_item_lst = named(new QListWidget(tab), "item_lst", at(304, 48, 145, 95));
    m_item_lst->setSelectionMode(QAbstractItemView::SingleSelection);

    // Controls without a caption of their own get a name that screen readers can announce.
    m_SSTab1->setAccessibleName(QStringLiteral("Setup pages"));
    m_Hour_txt->setAccessibleName(QStringLiteral("Hours"));
    m_min_txt->setAccessibleName(QStringLiteral("Minutes"));
    m_sec_txt->setAccessibleName(QStringLiteral("Seconds"));
    m_UpDown1->setAccessibleName(QStringLiteral("Change the time field"));
    m_Item_txt->setAccessibleName(QStringLiteral("Item number to add"));
    m_item_lst->setAccessibleName(QStringLiteral("Watched items"));

    m_tabControls[NotificationTab] = {m_Frame2,  m_Frame3,  m_Hour_txt,  m_min_txt,
                                      m_sec_txt, m_UpDown1, m_sound_chk, m_windows_chk};
    m_tabControls[AuctionListTab] = {m_Frame1, m_Item_txt, m_Remove_btn, m_Add_btn, m_item_lst};

    for (QLineEdit* field : {m_Hour_txt, m_min_txt, m_sec_txt}) {
        field->installEventFilter(this);
    }
    connect(m_UpDown1, &UpDownArrows::upPressed, this, &SetupDialog::upArrow);
    connect(m_UpDown1, &UpDownArrows::downPressed, this, &SetupDialog::downArrow);
    // A box set by the program acts as a click does, as the creation steps rely on.
    connect(m_sound_chk, &QToolButton::toggled, this, &SetupDialog::soundClicked);
    connect(m_windows_chk, &QToolButton::toggled, this, &SetupDialog::windowClicked);
    connect(m_Add_btn, &QPushButton::clicked, this, &SetupDialog::addItem);
    connect(m_Remove_btn, &QPushButton::clicked, this, &SetupDialog::removeItem);
    connect(m_Ok_btn, &QPushButton::clicked, this, &SetupDialog::ok);
    connect(m_Cancel_btn, &QPushButton::clicked, this, &QDialog::reject);
}

void SetupDialog::arrangeTabOrder()
{
    const QWidgetList order = {m_Hour_txt, m_min_txt, m_sec_txt,    m_UpDown1,  m_sound_chk, m_windows_chk,
                               m_Item_txt, m_Add_btn, m_Remove_btn, m_item_lst, m_Ok_btn,    m_Cancel_btn};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void SetupDialog::showTab(int index)
{
    const int other = index == NotificationTab ? AuctionListTab : NotificationTab;
    for (QWidget* control : std::as_const(m_tabControls[index])) {
        control->show();
    }
    // Hiding the focused control would hand the focus to the next control in tab order, which
    // may be a time field; the tab strip takes it instead, as it does when a tab is clicked.
    if (QWidget* focused = focusWidget()) {
        for (QWidget* control : std::as_const(m_tabControls[other])) {
            if (control == focused || control->isAncestorOf(focused)) {
                m_SSTab1->tabBar()->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
    for (QWidget* control : std::as_const(m_tabControls[other])) {
        control->hide();
    }
}

void SetupDialog::runCreationSteps()
{
    const ItemListRead read = LoadItemList(m_programFolder);
    m_item_lst->clear();
    m_item_lst->addItems(read.items);
    if (read.error) {
        QPointer<SetupDialog> self(this);
        reportFileError(m_messages, ItemListErrorHeadline, OpenFileErrorTitle, *read.error);
        if (!self) {
            return;
        }
    }

    m_sound_chk->setChecked(false);
    m_windows_chk->setChecked(false);
    if (m_app.OpenWindow) {
        m_windows_chk->setChecked(true);
    }
    if (m_app.PlayWave) {
        m_sound_chk->setChecked(true);
    }

    const auto text = [](const std::optional<int>& part) { return part ? QString::number(*part) : QString(); };
    m_Hour_txt->setText(text(m_app.Hours));
    m_min_txt->setText(text(m_app.Minutes));
    m_sec_txt->setText(text(m_app.Seconds));
}

int SetupDialog::ListCount() const
{
    return m_item_lst->count();
}

QString SetupDialog::List(int index) const
{
    const QListWidgetItem* entry = m_item_lst->item(index);
    return entry ? entry->text() : QString();
}

void SetupDialog::focusHourField()
{
    m_Hour_txt->setFocus(Qt::ActiveWindowFocusReason);
    // The focus arrives only once the window manager activates the window; the arrows must act
    // on the hours from the moment the dialog is shown.
    m_app.ActiveTimeField = QStringLiteral("Hour");
}

bool SetupDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_Hour_txt) {
            m_app.ActiveTimeField = QStringLiteral("Hour");
        } else if (watched == m_min_txt) {
            m_app.ActiveTimeField = QStringLiteral("Min");
        } else if (watched == m_sec_txt) {
            m_app.ActiveTimeField = QStringLiteral("Sec");
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SetupDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape does not close this dialog: no button of it is the cancel button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QLineEdit* SetupDialog::activeTimeField(int& limit) const
{
    if (m_app.ActiveTimeField == QLatin1String("Hour")) {
        limit = HourLimit;
        return m_Hour_txt;
    }
    if (m_app.ActiveTimeField == QLatin1String("Sec")) {
        limit = MinuteSecondLimit;
        return m_sec_txt;
    }
    if (m_app.ActiveTimeField == QLatin1String("Min")) {
        limit = MinuteSecondLimit;
        return m_min_txt;
    }
    return nullptr;
}

void SetupDialog::upArrow()
{
    int limit = 0;
    if (QLineEdit* field = activeTimeField(limit)) {
        field->setText(TimeFieldArrows::up(field->text(), limit));
    }
}

void SetupDialog::downArrow()
{
    int limit = 0;
    if (QLineEdit* field = activeTimeField(limit)) {
        field->setText(TimeFieldArrows::down(field->text()));
    }
}

void SetupDialog::soundClicked(bool checked)
{
    m_app.PlayWave = checked;
    m_indicators.setSoundIndicator(m_app.PlayWave);
}

void SetupDialog::windowClicked(bool checked)
{
    m_app.OpenWindow = checked;
    m_indicators.setWindowIndicator(m_app.OpenWindow);
}

void SetupDialog::addItem()
{
    if (m_Item_txt->text().isEmpty()) {
        return;
    }
    m_item_lst->addItem(m_Item_txt->text());
    m_Item_txt->clear();
}

void SetupDialog::removeItem()
{
    const QList<QListWidgetItem*> selected = m_item_lst->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    delete selected.first();
    m_item_lst->setCurrentRow(-1);
    m_item_lst->clearSelection();
}

void SetupDialog::ok()
{
    // A failed write is reported and the remaining steps still run. The reports wait for the
    // user, and the dialog could be unloaded meanwhile, so every step after one checks for it.
    QPointer<SetupDialog> self(this);
    QStringList items;
    for (int i = 0; i < m_item_lst->count(); ++i) {
        items << m_item_lst->item(i)->text();
    }
    if (const auto error = SaveItemList(m_programFolder, items)) {
        reportFileError(m_messages, ItemListErrorHeadline, SaveFileErrorTitle, *error);
        if (!self) {
            return;
        }
    }
    if (const auto error = SaveSettings(m_programFolder, m_sound_chk->isChecked(), m_windows_chk->isChecked(),
                                        m_Hour_txt->text(), m_min_txt->text(), m_sec_txt->text())) {
        reportFileError(m_messages, SettingsErrorHeadline, SaveFileErrorTitle, *error);
        if (!self) {
            return;
        }
    }
    // A text that is no number (letters, say) counts as 0, as an empty field does.
    m_app.Hours = wholeNumberDown(m_Hour_txt->text()).value_or(0);
    m_app.Minutes = wholeNumberDown(m_min_txt->text()).value_or(0);
    m_app.Seconds = wholeNumberDown(m_sec_txt->text()).value_or(0);
    m_grid.ResetGrid();
    accept();
}
