#include "core/info/ShellToBrowser.h"

#include "core/platform/Prompter.h"
#include "core/platform/SharedState.h"
#include "core/platform/Shell.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

bool ShellToBrowser(const QString& URL, int WindowStyle) {
    const int result = shared().shell->open(URL, QString(), shared().programFolder(), WindowStyle);
    if (shellSucceeded(result))
        return true;
    const QString title = QCoreApplication::applicationName();
    const QString text =
        result == kShellNoAssociation
            ? title + u" could not find a file association for "_s + URL +
                  u" on your system. You should check that your browser is correctly installed "
                  u"and associated with .html files."_s
            : title + u" had a problem running your web browser. (Error"_s +
                  QString::number(result) + u')';
    shared().prompter->inform(text, u"Browser Unavailable"_s, MsgIcon::Exclamation);
    return false;
}
