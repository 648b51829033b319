#include "infowindows/StartSysInfo.h"

#include "app/SharedState.h"
#include "infowindows/GetKeyValue.h"
#include "platform/Prompter.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "playlist/Entry.h"

#include <QCoreApplication>

void StartSysInfo() {
    QString path;
    bool found = GetKeyValue(kHKeyLocalMachine, u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_qs,
                             u"PATH"_qs, path);
    if (!found && GetKeyValue(kHKeyLocalMachine, u"SOFTWARE\\Microsoft\\Shared Tools Location"_qs,
                              u"MSINFO"_qs, path)) {
        path += PathStyle::native().separator + u"MSINFO32.EXE"_qs;
        found = FileExists(path);
    }
    // The value is a path, not a command line: quoted, blanks in it stay part of it.
    if (found && !path.isEmpty() && shared().shell->startCommandLine(quoteArgument(path)))
        return;
    shared().prompter->inform(u"System Information Is Unavailable At This Time"_qs,
                              QCoreApplication::applicationName(), MsgIcon::None);
}
