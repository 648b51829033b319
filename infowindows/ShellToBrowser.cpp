#include "infowindows/ShellToBrowser.h"

#include "app/SharedState.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"

#include <QCoreApplication>

bool ShellToBrowser(const QString& URL, int WindowStyle) {
    const int result = shared().shell->open(URL, QString(), shared().programFolder(), WindowStyle);
    if (shellSucceeded(result))
        return true;
    const QString title = QCoreApplication::applicationName();
    const QString text =
        result == kShellNoAssociation
            ? title + u" could not find a file association for "_qs + URL +
                  u" on your system. You should check that your browser is correctly installed "
                  u"and associated with .html files."_qs
            : title + u" had a problem running your web browser. (Error"_qs +
                  QString::number(result) + u')';
    shared().prompter->inform(text, u"Browser Unavailable"_qs, MsgIcon::Exclamation);
    return false;
}
