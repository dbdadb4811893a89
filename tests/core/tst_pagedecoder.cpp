#include "core/PageDecoder.h"

#include <QTest>

class TestPageDecoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decoding_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<bool>("cutOff");
        QTest::addColumn<QString>("text");

        const QByteArray zoeUtf8 = "Zo\xc3\xab";
        const QByteArray zoeLatin1 = "Zo\xeb";
        const QByteArray none;
        QTest::newRow("valid UTF-8, nothing declared") << zoeUtf8 << none << false << QStringLiteral("Zoë");
        QTest::newRow("not UTF-8, nothing declared") << zoeLatin1 << none << false << QStringLiteral("Zoë");
        QTest::newRow("Windows-1252 quotes and euro")
            << QByteArray("\x93\x80\x94") << none << false << QStringLiteral("\u201c\u20ac\u201d");
        QTest::newRow("header names Latin-1")
            << zoeUtf8 << QByteArray("text/html; charset=ISO-8859-1") << false << QStringLiteral("ZoÃ«");
        QTest::newRow("header names UTF-8")
            << zoeUtf8 << QByteArray("text/html;charset=\"utf-8\"") << false << QStringLiteral("Zoë");
        QTest::newRow("meta names Latin-1")
            << "<meta charset=latin1>" + zoeUtf8 << none << false << QStringLiteral("<meta charset=latin1>ZoÃ«");
        QTest::newRow("header wins over meta")
            << "<meta charset=latin1>" + zoeUtf8 << QByteArray("text/html; charset=utf-8") << false
            << QStringLiteral("<meta charset=latin1>Zoë");
        QTest::newRow("UTF-8 cut off inside a letter") << zoeUtf8 + "\xc3" << none << true << QStringLiteral("Zoë");
        QTest::newRow("NUL left out") << QByteArray("$1\0.00", 6) << none << false << QStringLiteral("$1.00");
        QTest::newRow("NUL left out of UTF-16")
            << QByteArray("$\0\0\0001\0", 6) << QByteArray("text/html; charset=utf-16le") << false
            << QStringLiteral("$1");
        QTest::newRow("declared UTF-8 that is not")
            << zoeLatin1 << QByteArray("text/html; charset=utf-8") << false << QStringLiteral("Zoë");
    }

    void decoding()
    {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, contentType);
        QFETCH(QString, text);
        QFETCH(bool, cutOff);

        QCOMPARE(decodePage(body, contentType, cutOff), text);
    }
};

QTEST_APPLESS_MAIN(TestPageDecoder)
#include "tst_pagedecoder.moc"
