#include "platform/qt/QtMessages.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtSound.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"

#include <QAbstractButton>
#include <QTimer>

class QtPlatformTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineBreaks_data();
    void lineBreaks();
    void messageBoxIsModalWithOneOkButton_data();
    void messageBoxIsModalWithOneOkButton();
    void shellTargets_data();
    void shellTargets();
    void missingSoundIsNotStarted();
};

void QtPlatformTest::lineBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("two CR") << QStringLiteral("Erro with Setup.ini File\r\rError 53: File not found")
                            << QStringLiteral("Erro with Setup.ini File\n\nError 53: File not found");
    QTest::newRow("CR LF") << QStringLiteral("a\r\nb") << QStringLiteral("a\nb");
    QTest::newRow("CR LF twice") << QStringLiteral("a\r\n\r\nb") << QStringLiteral("a\n\nb");
    QTest::newRow("LF CR") << QStringLiteral("a\n\rb") << QStringLiteral("a\n\nb");
    QTest::newRow("header line ending") << QStringLiteral("response:\r\rHTTP/1.1 500 Oops\r")
                                        << QStringLiteral("response:\n\nHTTP/1.1 500 Oops\n");
    QTest::newRow("none") << QStringLiteral("Nothing to download!") << QStringLiteral("Nothing to download!");
}

void QtPlatformTest::lineBreaks()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(QtMessages::displayText(text), shown);
}

void QtPlatformTest::messageBoxIsModalWithOneOkButton_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("boxIcon");
    QTest::newRow("critical") << int(Messages::Icon::Critical) << int(QMessageBox::Critical);
    QTest::newRow("exclamation") << int(Messages::Icon::Exclamation) << int(QMessageBox::Warning);
    QTest::newRow("information") << int(Messages::Icon::Information) << int(QMessageBox::Information);
    QTest::newRow("none") << int(Messages::Icon::None) << int(QMessageBox::NoIcon);
}

void QtPlatformTest::messageBoxIsModalWithOneOkButton()
{
    QFETCH(int, icon);
    QFETCH(int, boxIcon);
    QString seenText;
    QString seenTitle;
    int seenIcon = -1;
    QList<QAbstractButton*> buttons;
    bool modal = false;
    QTimer::singleShot(0, this, [&] {
        QWidget* modalWidget = QApplication::activeModalWidget();
        auto* box = qobject_cast<QMessageBox*>(modalWidget);
        if (!box) {
            // Leave nothing open that would keep show() from returning; the comparisons fail.
            if (modalWidget) {
                modalWidget->close();
            }
            return;
        }
        seenText = box->text();
        seenTitle = box->windowTitle();
        seenIcon = box->icon();
        buttons = box->buttons();
        modal = box->isModal();
        box->button(QMessageBox::Ok)->click();
    });
    QtMessages messages;
    messages.show(QStringLiteral("The file, \"http://x/<b>1</b>\" was not found!\r\rline"),
                  QStringLiteral("File Not Found"), Messages::Icon(icon));
    // show() has returned: the box was closed.
    QCOMPARE(seenText, QStringLiteral("The file, \"http://x/<b>1</b>\" was not found!\n\nline"));
    QCOMPARE(seenTitle, QStringLiteral("File Not Found"));
    QCOMPARE(seenIcon, boxIcon);
    QCOMPARE(buttons.size(), 1);
    QVERIFY(modal);
}

void QtPlatformTest::shellTargets_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("item page") << "http://cgi.auction.test/aw-cgi/eBayISAPI.dll?ViewItem&item=1001"
                               << QUrl("http://cgi.auction.test/aw-cgi/eBayISAPI.dll?ViewItem&item=1001");
    QTest::newRow("help page") << "/opt/bidorra/help/Bidorra_help.htm"
                               << QUrl::fromLocalFile("/opt/bidorra/help/Bidorra_help.htm");
    QTest::newRow("folder with blanks") << "/home/me/my auctions/help/Bidorra_help.htm"
                                        << QUrl::fromLocalFile("/home/me/my auctions/help/Bidorra_help.htm");
    QTest::newRow("file URL") << "file:///tmp/x.htm" << QUrl::fromLocalFile("/tmp/x.htm");
}

void QtPlatformTest::shellTargets()
{
    QFETCH(QString, target);
    QFETCH(QUrl, url);
    QCOMPARE(QtShell::targetUrl(target), url);
}

void QtPlatformTest::missingSoundIsNotStarted()
{
    TempProgramFolder folder;
    QtSound sound;
    QCOMPARE(sound.playWave(folder.file(QStringLiteral("Auction Sound.wav"))), 0);
    QCOMPARE(sound.playWave(folder.path()), 0);
}

BIDORRA_WIDGET_TEST_MAIN(QtPlatformTest)
#include "tst_qtplatform.moc"
