#include "core/platform/Translations.h"
#include "gui/mainwindow/frmMain.h"
#include "support/WindowFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTranslator>

using namespace Qt::StringLiterals;

// A small translation (tests/data/translations/velmora_eo.ts) as a user of that language gets it.
namespace {
QString fileMenu(frmMain& window) {
    return window.menuBar()->actions().value(0)->text();
}
} // namespace

using Translation = WindowFixture;

TEST_F(Translation, TheLocalesTranslationIsLoadedAndChangesTheCaptions) {
    const QString folder = QStringLiteral(VELMORA_TEST_TRANSLATIONS);
    // English is the source language: there is no file for it and the captions stay as written.
    EXPECT_FALSE(loadTranslations(*qApp, QLocale(u"en_GB"_s), {folder}));
    {
        frmMain english;
        EXPECT_EQ(fileMenu(english), u"&File"_s);
    }
    // The first folder that has the language wins; a missing folder is passed over.
    ASSERT_TRUE(loadTranslations(*qApp, QLocale(u"eo"_s), {tmp.path() + u"/none"_s, folder}));
    frmMain translated;
    EXPECT_EQ(fileMenu(translated), u"&Dosiero"_s);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(translated.imgPlay1)->text(QAccessible::Name),
              u"Ludi kanton"_s);
    qDeleteAll(qApp->findChildren<QTranslator*>()); // the other tests see English again
}
