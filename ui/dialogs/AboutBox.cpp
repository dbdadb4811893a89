#include "ui/dialogs/AboutBox.h"

#include "platform/Messages.h"
#include "ui/Colors.h"
#include "ui/Icons.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

namespace {
QLabel* label(const QString& name, const QString& text, QWidget* parent)
{
    auto* shown = new QLabel(text, parent);
    shown->setObjectName(name);
    shown->setWordWrap(true);
    shown->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return shown;
}
} // namespace

AboutBox::AboutBox(Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_messages(messages), m_toolNames{QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
                                        QStringLiteral("kinfocenter")}
{
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(tr("About Bidorra"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* icon = new QLabel(this);
    icon->setPixmap(Icons::program().pixmap(32, 32));
    icon->setAccessibleName(tr("Bidorra icon"));
    auto* title = label(QStringLiteral("titleLabel"), QStringLiteral("Bidorra"), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    Colors::tintText(*title, Qt::red, Colors::LargeText);
    auto* version = label(QStringLiteral("versionLabel"), versionText(), this);
    auto* description = label(QStringLiteral("descriptionLabel"),
                              tr("Bidorra keeps an eye on the auctions you list: at the interval you choose it reads "
                                 "each item's page and shows its price, highest bidder and time left, and tells you "
                                 "when a price changes."),
                              this);
    auto* disclaimer = label(QStringLiteral("disclaimerLabel"),
                             tr("Bidorra is provided as is, without any warranty. Prices are read from the auction "
                                "pages at each check and may lag behind the site."),
                             this);
    Colors::tintText(*disclaimer, palette().color(QPalette::Link));
    // The link is reached with Tab and opened with Enter, as in a browser.
    const QString homePage = QStringLiteral(BIDORRA_HOMEPAGE);
    auto* licence =
        label(QStringLiteral("licenceLabel"),
              tr("Free software under the MIT License.") + QStringLiteral("<br>") +
                  tr("Home page: %1").arg(QStringLiteral("<a href=\"%1\">%1</a>").arg(homePage.toHtmlEscaped())),
              this);
    licence->setTextFormat(Qt::RichText);
    licence->setTextInteractionFlags(Qt::TextBrowserInteraction);
    licence->setOpenExternalLinks(true);
    auto* rule = new QFrame(this);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    auto* ok = new QPushButton(tr("&OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* systemInfo = new QPushButton(tr("&System Info..."), this);
    systemInfo->setObjectName(QStringLiteral("systemInfoButton"));
    systemInfo->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(title, 0, 1, 1, 2);
    grid->addWidget(version, 1, 1, 1, 2);
    grid->addWidget(description, 2, 1, 1, 2);
    grid->addWidget(licence, 3, 1, 1, 2);
    grid->addWidget(rule, 4, 0, 1, 3);
    grid->addWidget(disclaimer, 5, 0, 2, 2);
    grid->addWidget(ok, 5, 2);
    grid->addWidget(systemInfo, 6, 2);
    grid->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 40);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(ok, systemInfo);
    setTabOrder(systemInfo, licence);

    // OK is the default and the cancel button: Enter and Escape both close the box.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(systemInfo, &QPushButton::clicked, this, &AboutBox::startSystemInfo);
}

QString AboutBox::versionText()
{
    return tr("Version %1.%2.%3").arg(BIDORRA_VERSION_MAJOR).arg(BIDORRA_VERSION_MINOR).arg(BIDORRA_VERSION_PATCH);
}

void AboutBox::setSystemInfoTools(const QStringList& names, const QStringList& folders)
{
    m_toolNames = names;
    m_toolFolders = folders;
}

void AboutBox::startSystemInfo()
{
    for (const QString& name : std::as_const(m_toolNames)) {
        const QString program = QStandardPaths::findExecutable(name, m_toolFolders);
        if (!program.isEmpty()) {
            // A tool that is there but will not start is not replaced by another: the user is told.
            if (QProcess::startDetached(program, {})) {
                return;
            }
            break;
        }
    }
    m_messages.show(
        {tr("System Information Is Unavailable At This Time"), QStringLiteral("Bidorra"), Message::Icon::None});
}
