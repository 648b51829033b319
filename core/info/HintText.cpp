#include "core/info/HintText.h"

#include <utility>

using namespace Qt::StringLiterals;

namespace {
// Short codes that other windows pass instead of a whole sentence.
const std::pair<const char16_t*, const char16_t*> kCodes[] = {
    {u"CAL", u"Click for pop-up calendar"},
    {u"CD", u"Click to clear date."},
    {u"EXIT", u"Click to exit screen."},
    {u"SAVE", u"Click to save record."},
    {u"EDIT", u"Click to retrieve record for editing."},
    {u"DEL", u"Click to delete record."},
    {u"CLR", u"Click to clear entries."},
    {u"ADD", u"Click to add a new blank record."},
};
} // namespace

QString defaultHint() {
    return u"Watch here for hints/instructions."_s;
}

QString hintText(const QString& text) {
    if (text.isEmpty())
        return defaultHint();
    const QString code = text.toUpper();
    for (auto [name, hint] : kCodes)
        if (code == QStringView(name))
            return QString::fromUtf16(hint);
    return text;
}
