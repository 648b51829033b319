#pragma once

#include <QString>

// Opens URL in the web browser. False, after saying why, when that did not work.
bool ShellToBrowser(const QString& URL, int WindowStyle);
