#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The entry texts of the playlist while one drop runs, so that "is this song already in the
// playlist?" costs the same for the ten-thousandth song as for the first. Songs appended by the
// drop are added, so a song dropped twice in one go counts as present the second time.
class EntryTextSet {
public:
    enum class Compare { Exact, LowerCase };

    EntryTextSet(const QStringList& texts, Compare compare);
    bool contains(const QString& text) const;
    void add(const QString& text);

private:
    QString key(const QString& text) const;

    Compare compare_;
    QSet<QString> keys_;
};
