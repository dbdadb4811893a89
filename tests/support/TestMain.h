#pragma once

#include "platform/Modules.h"

#include <QApplication>
#include <QTest>

// Widget tests run on the offscreen platform, whatever the environment says, with the modules
// the build made.
#define BIDORRA_WIDGET_TEST_MAIN(TestClass)                                                                            \
    int main(int argc, char* argv[])                                                                                   \
    {                                                                                                                  \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                                       \
        QApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        Modules::setFolder(QStringLiteral(BIDORRA_BUILD_MODULES));                                                     \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
