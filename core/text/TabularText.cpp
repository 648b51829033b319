#include "core/text/TabularText.h"

using namespace Qt::StringLiterals;

QList<TextRow> tabularRows(const QString& text) {
    QList<TextRow> rows;
    const QStringList lines = QString(text).remove(u'\r').split(u'\n');
    for (const QString& line : lines) {
        const qsizetype tab = line.indexOf(u'\t');
        if (tab < 0) {
            rows.append({line, {}, false});
            continue;
        }
        qsizetype value = tab;
        while (value < line.size() && line[value] == u'\t')
            ++value;
        rows.append({line.left(tab), line.mid(value), true});
    }
    if (!rows.isEmpty() && !rows.last().split && rows.last().caption.isEmpty())
        rows.removeLast(); // the line end after the last line
    return rows;
}

QString alignWithSpaces(const QString& text) {
    const QList<TextRow> rows = tabularRows(text);
    qsizetype widest = 0;
    for (const TextRow& row : rows)
        if (row.split)
            widest = std::max(widest, row.caption.size());
    QString out;
    for (const TextRow& row : rows)
        out +=
            (row.split ? row.caption.leftJustified(widest + 2) + row.value : row.caption) + u'\n';
    return out;
}
