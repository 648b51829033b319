#pragma once

#include "core/mp3/TagRecord.h"

#include <QString>
#include <QVector>
#include <optional>

// The fields a person sets when saving a tag, in the tag window or with velmora-cli tag --set.
// A field left out keeps what the tag shows.
struct TagEdits {
    std::optional<QString> title{}, artist{}, album{}, year{}, comment{};
    std::optional<QString> track{}; // the text typed for the track
    std::optional<quint8> genre{};  // a genre the person picked
};

// The track byte a track text stands for: its leading number rounded half to even, 0 for an
// empty text; nullopt when the number does not fit a byte (a negative number, above 255).
[[nodiscard]] std::optional<quint8> trackFromText(const QString& text);

// The record that saving edits over tag writes. Each text is the edit or what the tag shows,
// cut or padded to its field. Marker becomes 0, so an ID3v1.0 tag is saved as ID3v1.1. Track is
// the edit's or the one shown (0 for none). Genre changes only when one was picked: a number
// that genres.txt does not name, and so is not shown, is kept. Header stays as it was.
// nullopt when the track text does not fit a byte.
[[nodiscard]] std::optional<TagRecord> editedTag(const TagRecord& tag, const TagEdits& edits);

// A typed text that its tag field cannot hold as typed, and what is written in its place.
struct TagMisfit {
    enum class Kind {
        Cut,      // longer than the field: cut to its width
        Replaced, // characters ISO-8859-1 cannot hold: each written as "?"
    };
    Kind kind;
    QString field;   // "title", "artist", "album", "year" or "comment"
    int width;       // the field's width in characters
    QString typed;   // the text as typed
    QString written; // the text written, without the field's padding
};

// The texts of edits that saving would change, in the order of the tag's fields. A person is
// told of each before the tag is written, so that nothing typed is changed without a word.
[[nodiscard]] QVector<TagMisfit> tagMisfits(const TagEdits& edits);
