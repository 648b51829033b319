#pragma once

#include <QString>

// The installed data folder (genres.txt, the user guide, translations). Looked for from the
// program's own place first, so that an installation under another prefix than the build was
// configured for (cmake --install --prefix, a package for /usr) still finds its data; then the
// folder the build was configured for.
QString installedDataFolder();
