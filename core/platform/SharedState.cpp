#include "core/platform/SharedState.h"

#include <QCoreApplication>
#include <QDir>

SharedState& shared() {
    static SharedState state;
    return state;
}

QString SharedState::programFolder() const {
    if (!programFolderOverride.isEmpty())
        return programFolderOverride;
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}
