#pragma once

#include <QString>

// Reads one registry value into KeyVal: a string value as its text, a 32-bit number as decimal
// text; other types leave KeyVal as it was. On failure KeyVal becomes empty and the result is
// false.
bool GetKeyValue(quint32 KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                 QString& KeyVal);
