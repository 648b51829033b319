#include "core/info/StartSysInfo.h"
#include "core/text/TextFiles.h"

#include "core/info/GetKeyValue.h"
#include "core/platform/Prompter.h"
#include "core/platform/Registry.h"
#include "core/platform/SharedState.h"
#include "core/platform/Shell.h"
#include "core/playlist/Entry.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

void StartSysInfo() {
    QString path;
    bool found = GetKeyValue(kHKeyLocalMachine, u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s,
                             u"PATH"_s, path);
    if (!found && GetKeyValue(kHKeyLocalMachine, u"SOFTWARE\\Microsoft\\Shared Tools Location"_s,
                              u"MSINFO"_s, path)) {
        path += PathStyle::native().separator + u"MSINFO32.EXE"_s;
        found = FileExists(path);
    }
    // The value is a path, not a command line: quoted, blanks in it stay part of it.
    if (found && !path.isEmpty() && shared().shell->startCommandLine(quoteArgument(path)))
        return;
    shared().prompter->inform(QCoreApplication::translate(
                                  "StartSysInfo", "System Information Is Unavailable At This Time"),
                              QCoreApplication::applicationName(), MsgIcon::None);
}
