#include "core/playlist/PathMode.h"

#include "core/text/LeadingNumber.h"

PathMode pathModeFromText(const QString& usePaths) {
    const double value = leadingNumber(usePaths);
    if (value == 0)
        return PathMode::Never;
    if (value == 1)
        return PathMode::Always;
    return PathMode::Decide;
}
