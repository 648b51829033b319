#pragma once

#include "core/mp3/MP3Hdr.h"

#include <QLocale>
#include <QString>

// The text of the header report: TABs between label and value, CR LF line ends, the frequency
// grouped as the locale groups thousands and shown with at least three digits.
QString headerReport(const MP3Hdr& header, const QLocale& locale);

// A count that is never negative, with at least three digits and the locale's thousands
// grouping (44,100; 000).
QString formatAtLeastThreeDigits(qint32 value, const QLocale& locale);

// A playing time rounded to the second: m:ss, or h:mm:ss from one hour.
QString playingTime(qint64 ms);

// What is said about a song in which no frame header could be found.
QString noFrameMessage(const QString& path);
