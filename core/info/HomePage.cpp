#include "core/info/HomePage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString homePage(const QString& programFolder, const QString& dataFolder) {
    const QString configured = QStringLiteral(VELMORA_HOME_PAGE);
    if (!configured.isEmpty())
        return configured;
    const QString beside = QDir(programFolder).filePath(u"guide.html"_s);
    if (QFileInfo(beside).isFile())
        return QDir::toNativeSeparators(beside);
    return QDir::toNativeSeparators(QDir(dataFolder).filePath(u"guide.html"_s));
}

QString contactLine() {
    const QString address = QStringLiteral(VELMORA_CONTACT);
    // The About link leads to the user guide or the home page, whichever this build has.
    return address.isEmpty()
               ? QCoreApplication::translate("HomePage",
                                             "Questions? Follow the link in Help | About.")
               : QCoreApplication::translate("HomePage", "Questions? E-mail ") + address;
}
