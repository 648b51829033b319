#include "core/playlist/SaveRefusal.h"

using namespace Qt::StringLiterals;

namespace {
constexpr qsizetype kNamedAtMost = 10;

QString why(LineFault fault) {
    switch (fault) {
    case LineFault::LineBreak:
        return u"its name holds a line break"_s;
    case LineFault::Encoding:
        return u"its name holds a character that the system's text encoding cannot write"_s;
    case LineFault::NotText:
        return u"its name is not valid text in the system's encoding, so the playlist would "
               "name another file"_s;
    case LineFault::ReadAsOther:
    case LineFault::None:
        break;
    }
    return u"its line would be read back as another file (an empty name, blanks at either end, "
           "a leading \"#EXT\", or an address)"_s;
}
} // namespace

QString refusalText(const QVector<Entry>& entries, const QVector<RefusedSong>& refused,
                    const PathStyle& style) {
    const auto song = [&](const RefusedSong& r) { return fullPath(entries[r.index], style); };
    if (refused.size() == 1)
        return u"The song \"%1\" cannot be saved in this playlist: %2.\nNothing was saved."_s.arg(
            song(refused[0]), why(refused[0].fault));
    QString text = u"These %1 songs cannot be saved in this playlist:\n"_s.arg(refused.size());
    for (qsizetype i = 0; i < refused.size() && i < kNamedAtMost; ++i)
        text += u"\"%1\": %2.\n"_s.arg(song(refused[i]), why(refused[i].fault));
    if (refused.size() > kNamedAtMost)
        text += u"…and %1 more.\n"_s.arg(refused.size() - kNamedAtMost);
    return text + u"Nothing was saved."_s;
}
