#include "core/playlist/SaveRefusal.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {
constexpr qsizetype kNamedAtMost = 10;

QString why(LineFault fault) {
    switch (fault) {
    case LineFault::LineBreak:
        return QCoreApplication::translate("SaveRefusal", "its name holds a line break");
    case LineFault::Encoding:
        return QCoreApplication::translate(
            "SaveRefusal",
            "its name holds a character that the system's text encoding cannot write");
    case LineFault::NotText:
        return QCoreApplication::translate(
            "SaveRefusal",
            "its name is not valid text in the system's encoding, so the playlist would "
            "name another file");
    case LineFault::ReadAsOther:
    case LineFault::None:
        break;
    }
    return QCoreApplication::translate(
        "SaveRefusal",
        "its line would be read back as another file (an empty name, blanks at either end, "
        "a leading \"#EXT\", or an address)");
}
} // namespace

QString refusalText(const QVector<Entry>& entries, const QVector<RefusedSong>& refused,
                    const PathStyle& style) {
    const auto song = [&](const RefusedSong& r) { return fullPath(entries[r.index], style); };
    if (refused.size() == 1)
        return QCoreApplication::translate(
                   "SaveRefusal",
                   "The song \"%1\" cannot be saved in this playlist: %2.\nNothing was saved.")
            .arg(song(refused[0]), why(refused[0].fault));
    QString text = QCoreApplication::translate("SaveRefusal",
                                               "These %1 songs cannot be saved in this playlist:\n")
                       .arg(refused.size());
    for (qsizetype i = 0; i < refused.size() && i < kNamedAtMost; ++i)
        text += u"\"%1\": %2.\n"_s.arg(song(refused[i]), why(refused[i].fault));
    if (refused.size() > kNamedAtMost)
        text += QCoreApplication::translate("SaveRefusal", "…and %1 more.\n")
                    .arg(refused.size() - kNamedAtMost);
    return text + QCoreApplication::translate("SaveRefusal", "Nothing was saved.");
}
