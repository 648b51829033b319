#include "mainwindow/EntryTextSet.h"

EntryTextSet::EntryTextSet(const QStringList& texts, Compare compare) : compare_(compare) {
    keys_.reserve(texts.size());
    for (const QString& text : texts)
        keys_.insert(key(text));
}

bool EntryTextSet::contains(const QString& text) const {
    return keys_.contains(key(text));
}

void EntryTextSet::add(const QString& text) {
    keys_.insert(key(text));
}

QString EntryTextSet::key(const QString& text) const {
    return compare_ == Compare::LowerCase ? text.toLower() : text;
}
