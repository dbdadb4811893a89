#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
const QString TranslatorName = QStringLiteral("bidorraTranslator");

bool install(const QString& name, const QString& folder, const QLocale& language)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(TranslatorName);
    if (translator->load(language, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator)) {
        return true;
    }
    delete translator;
    return false;
}
} // namespace

void installTranslations(const QString& folder, const QLocale& locale)
{
    // The user's languages in the order of preference (LANGUAGE, then LC_ALL, LC_MESSAGES,
    // LANG): the first that is English or that we have a translation for wins.
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C) {
            return;
        }
        if (install(QStringLiteral("bidorra"), folder, language)) {
            install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath), language);
            return;
        }
    }
}

void removeTranslations()
{
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>(TranslatorName)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}
