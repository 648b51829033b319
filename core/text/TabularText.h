#pragma once

#include <QList>
#include <QString>

// Text laid out as a table in the simplest way: lines (CR LF or LF ends) of a caption, one or
// more TABs and a value. A line without a TAB stands alone, across both columns.
struct TextRow {
    QString caption;
    QString value;
    bool split = false; // false: caption holds the whole line
};

[[nodiscard]] QList<TextRow> tabularRows(const QString& text);

// The same text for a terminal: every value starts in one column, two spaces after the widest
// caption; lines end in LF.
[[nodiscard]] QString alignWithSpaces(const QString& text);
