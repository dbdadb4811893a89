#include "platform/Modules.h"
#include "platform/Sound.h"
#include "ui/dialogs/PriceChartView.h"

#include <QTest>

class TestModules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void load_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("interface");
        QTest::addColumn<QString>("error"); // empty: loaded

        const QString built = QStringLiteral(BIDORRA_BUILD_MODULES);
        QTest::newRow("chart") << built << "bidorra-chart"
                               << "chart" << QString();
        QTest::newRow("sound") << built << "bidorra-sound"
                               << "sound" << QString();
        QTest::newRow("wrong interface") << built << "bidorra-sound"
                                         << "chart"
                                         << "bidorra-sound is a module of another version";
        QTest::newRow("missing") << QStringLiteral("/nonexistent") << "bidorra-chart"
                                 << "chart"
                                 << "/nonexistent/bidorra-chart.so is missing";
    }

    void load()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, interface);
        QFETCH(QString, error);
        Modules::setFolder(folder);
        QString reason;
        const bool loaded = interface == u"chart" ? Modules::load<PriceChartModule>(name, reason) != nullptr
                                                  : Modules::load<SoundModule>(name, reason) != nullptr;
        QCOMPARE(loaded, error.isEmpty());
        QVERIFY2(reason.contains(error), qPrintable(reason));
    }
};

QTEST_GUILESS_MAIN(TestModules)
#include "tst_modules.moc"
