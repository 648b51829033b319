#include "core/info/HintText.h"

#include <QCoreApplication>
#include <utility>

using namespace Qt::StringLiterals;

namespace {
// Short codes that other windows pass instead of a whole sentence.
const std::pair<const char16_t*, const char*> kCodes[] = {
    {u"CAL", QT_TRANSLATE_NOOP("HintText", "Click for pop-up calendar")},
    {u"CD", QT_TRANSLATE_NOOP("HintText", "Click to clear date.")},
    {u"EXIT", QT_TRANSLATE_NOOP("HintText", "Click to exit screen.")},
    {u"SAVE", QT_TRANSLATE_NOOP("HintText", "Click to save record.")},
    {u"EDIT", QT_TRANSLATE_NOOP("HintText", "Click to retrieve record for editing.")},
    {u"DEL", QT_TRANSLATE_NOOP("HintText", "Click to delete record.")},
    {u"CLR", QT_TRANSLATE_NOOP("HintText", "Click to clear entries.")},
    {u"ADD", QT_TRANSLATE_NOOP("HintText", "Click to add a new blank record.")},
};
} // namespace

QString defaultHint() {
    return QCoreApplication::translate("HintText", "Watch here for hints/instructions.");
}

QString hintText(const QString& text) {
    if (text.isEmpty())
        return defaultHint();
    const QString code = text.toUpper();
    for (auto [name, hint] : kCodes)
        if (code == QStringView(name))
            return QCoreApplication::translate("HintText", hint);
    return text;
}
