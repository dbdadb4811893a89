#pragma once

#include <QLocale>
#include <QString>

// Installs the program's translation from folder and Qt's own, for the first of the locale's
// languages that has one. English needs none: the sources are in English.
void installTranslations(const QString& folder, const QLocale& locale = QLocale::system());
// Takes back every translation installTranslations() put in place.
void removeTranslations();
