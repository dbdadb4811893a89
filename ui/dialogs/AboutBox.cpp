#include "ui/dialogs/AboutBox.h"

#include "ui/dialogs/AppInfo.h"
#include "ui/dialogs/DesignFont.h"
#include "ui/main/Twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int IconSize = 32;

QLabel* addLabel(QWidget* parent, const char* name, const QRect& geometry, const QColor& color)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

// One stroke of the etched rule under the texts.
void addRuleLine(QWidget* parent, int index, const QRect& geometry, const QColor& color)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setProperty("index", index);
    line->setGeometry(geometry);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, color);
    line->setPalette(palette);
}
} // namespace

AboutBox::AboutBox(SysInfoLauncher& sysInfo, QWidget* parent) : QDialog(parent), m_sysInfo(sysInfo)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Bidorra"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    createControls();
    load();
}

void AboutBox::createControls()
{
    useDesignFont(this);
    const auto twipsRect = [this](int left, int top, int width, int height) {
        return Twips::toPixels(*this, left, top, width, height);
    };
    setFixedSize(Twips::toPixelsX(*this, 5730), Twips::toPixelsY(*this, 3555));

    // Created in tab order; only the two buttons take the focus.
    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(twipsRect(4245, 2625, 1260, 345));
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    m_picIcon = new QLabel(this);
    m_picIcon->setObjectName(QStringLiteral("picIcon"));
    m_picIcon->setAccessibleName(QStringLiteral("Bidorra icon"));
    m_picIcon->setGeometry(twipsRect(240, 240, 540, 540));
    m_picIcon->setAlignment(Qt::AlignCenter);

    m_cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    m_cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    m_cmdSysInfo->setGeometry(twipsRect(4260, 3075, 1245, 345));
    m_cmdSysInfo->setAutoDefault(false);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, [this] { m_sysInfo.StartSysInfo(); });

    m_lblDescription = addLabel(this, "lblDescription", twipsRect(1050, 1125, 3885, 1170), Qt::black);
    m_lblDisclaimer = addLabel(this, "lblDisclaimer", twipsRect(255, 2625, 3870, 825), Qt::blue);
    m_lblTitle = addLabel(this, "lblTitle", twipsRect(1050, 240, 3885, 480), Qt::red);
    QFont titleFont = m_lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    m_lblTitle->setFont(titleFont);
    m_lblVersion = addLabel(this, "lblVersion", twipsRect(1050, 780, 3885, 225), palette().color(QPalette::WindowText));

    // The rule's strokes run from their start points to the right end; the grey one is a single
    // pixel, the white one two pixels wide.
    const QRect grey = twipsRect(90, 2445, 5654 - 90, 0);
    addRuleLine(this, 1, QRect(grey.left(), grey.top(), grey.width(), 1), QColor(128, 128, 128));
    const QRect white = twipsRect(105, 2460, 5654 - 105, 0);
    addRuleLine(this, 0,
                QRect(white.left(), white.top(), white.width(), Twips::toPixelsY(*this, 2 * Twips::PerDesignPixel)),
                Qt::white);
}

void AboutBox::load()
{
    m_lblVersion->setText(AppInfo::versionText());
    m_lblTitle->setText(AppInfo::title());
    const QIcon icon = QApplication::windowIcon();
    setWindowIcon(icon);
    m_picIcon->setPixmap(icon.pixmap(IconSize, IconSize));
    m_lblDisclaimer->setText(tr("Bidorra is provided as is, without any warranty. Prices are read from the auction "
                                "pages at each check and may lag behind the site."));
    m_lblDescription->setText(tr("Bidorra keeps an eye on the auctions you list: at the interval you choose it reads "
                                 "each item's page and shows its price, highest bidder and time left, and tells you "
                                 "when a price changes."));
}

AboutHost::AboutHost(Registry& registry, Shell& shell, Messages& messages) : m_sysInfo(registry, shell, messages) {}

AboutHost::~AboutHost()
{
    destroy();
}

void AboutHost::destroy()
{
    delete m_box;
}

void AboutHost::ShowAboutBox()
{
    if (box()) {
        m_box->raise();
    } else {
        m_box = new AboutBox(m_sysInfo);
        m_box->show();
    }
    m_box->activateWindow();
}

AboutBox* AboutHost::box() const
{
    // A closed box is on its way to deletion and no longer counts.
    return m_box && m_box->isVisible() ? m_box.data() : nullptr;
}
