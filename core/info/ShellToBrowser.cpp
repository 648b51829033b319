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
            ? title +
                  QCoreApplication::translate("ShellToBrowser",
                                              " could not find a file association for ") +
                  URL +
                  QCoreApplication::translate(
                      "ShellToBrowser",
                      " on your system. You should check that your browser is correctly installed "
                      "and associated with .html files.")
            : title +
                  QCoreApplication::translate("ShellToBrowser",
                                              " had a problem running your web browser. (Error") +
                  QString::number(result) + u')';
    shared().prompter->inform(text,
                              QCoreApplication::translate("ShellToBrowser", "Browser Unavailable"),
                              MsgIcon::Exclamation);
    return false;
}
