#include "UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

// Q_INIT_RESOURCE may not be used inside a namespace.
static void registerCatalogues()
{
    Q_INIT_RESOURCE(LumarisTranslations);
}

namespace
{
const QString kCatalogueDirectory = QStringLiteral(":/i18n/");
const QString kCatalogue = QStringLiteral("lumaris-setup");
const QString kQtCatalogue = QStringLiteral("qtbase");

bool installCatalogue(QCoreApplication& app, const QLocale& language, const QString& name, const QString& directory)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(language, name, QStringLiteral("_"), directory) && app.installTranslator(translator))
        return true;
    delete translator;
    return false;
}
}

namespace UiLanguage
{

QString install(QCoreApplication& app, const QStringList& uiLanguages)
{
    registerCatalogues();
    for (const QString& name : uiLanguages) {
        const QLocale language(name);
        if (language.language() == QLocale::English)
            return QString();
        if (installCatalogue(app, language, kCatalogue, kCatalogueDirectory)) {
            installCatalogue(app, language, kQtCatalogue, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
            // Dates and other texts Qt makes follow the language of the texts around them.
            QLocale::setDefault(language);
            return language.name();
        }
    }
    return QString();
}

}
