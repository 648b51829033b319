#include "core/platform/Translations.h"

#include "core/platform/DataFolder.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

using namespace Qt::StringLiterals;

QStringList translationFolders() {
    return {QCoreApplication::applicationDirPath() + u"/translations"_s,
            installedDataFolder() + u"/translations"_s};
}

bool loadTranslations(QCoreApplication& app, const QLocale& locale, const QStringList& folders) {
    auto own = std::make_unique<QTranslator>(&app);
    bool found = false;
    for (const QString& folder : folders)
        if ((found = own->load(locale, u"velmora"_s, u"_"_s, folder)))
            break;
    if (!found)
        return false;
    QCoreApplication::installTranslator(own.release());
    // Only with a translation of ours: Qt's buttons in another language than the rest of the
    // window would be worse than English throughout.
    auto qt = std::make_unique<QTranslator>(&app);
    if (qt->load(locale, u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.release());
    return true;
}
