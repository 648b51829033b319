#include "core/playlist/PathStyle.h"

PathStyle PathStyle::native() {
#ifdef Q_OS_WIN
    return windows();
#else
    return posix();
#endif
}
