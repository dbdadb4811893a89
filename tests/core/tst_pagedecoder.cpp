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

        const auto row = [](const char* name, const QByteArray& body, const char* contentType, const QString& text,
                            bool cutOff = false) {
            QTest::newRow(name) << body << QByteArray(contentType) << cutOff << text;
        };
        const QByteArray zoeUtf8 = "Zo\xc3\xab";
        const QByteArray zoeLatin1 = "Zo\xeb";
        row("valid UTF-8, nothing declared", zoeUtf8, "", QStringLiteral("Zoë"));
        row("not UTF-8, nothing declared", zoeLatin1, "", QStringLiteral("Zoë"));
        row("Windows-1252 quotes and euro", "\x93\x80\x94", "", QStringLiteral("\u201c\u20ac\u201d"));
        row("header names Latin-1", zoeUtf8, "text/html; charset=ISO-8859-1", QStringLiteral("ZoÃ«"));
        row("header names UTF-8", zoeUtf8, "text/html;charset=\"utf-8\"", QStringLiteral("Zoë"));
        row("meta names Latin-1", "<meta charset=latin1>" + zoeUtf8, "", QStringLiteral("<meta charset=latin1>ZoÃ«"));
        row("header wins over meta", "<meta charset=latin1>" + zoeUtf8, "text/html; charset=utf-8",
            QStringLiteral("<meta charset=latin1>Zoë"));
        row("UTF-8 cut off inside a letter", zoeUtf8 + "\xc3", "", QStringLiteral("Zoë"), true);
        row("NUL left out", QByteArray("$1\0.00", 6), "", QStringLiteral("$1.00"));
        row("NUL left out of UTF-16", QByteArray("$\0\0\0001\0", 6), "text/html; charset=utf-16le",
            QStringLiteral("$1"));
        row("declared UTF-8 that is not", zoeLatin1, "text/html; charset=utf-8", QStringLiteral("Zoë"));
    }

    void decoding()
    {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, contentType);
        QFETCH(bool, cutOff);
        QTEST(decodePage(body, contentType, cutOff), "text");
    }
};

QTEST_APPLESS_MAIN(TestPageDecoder)
#include "tst_pagedecoder.moc"
