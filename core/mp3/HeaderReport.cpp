#include "core/mp3/HeaderReport.h"

using namespace Qt::StringLiterals;

QString formatAtLeastThreeDigits(qint32 value, const QLocale& locale) {
    QString text = locale.toString(value);
    if (value >= 0)
        for (qint32 below = 100; below > 1 && value < below; below /= 10)
            text.prepend(locale.zeroDigit());
    return text;
}

QString playingTime(qint64 ms) {
    const qint64 s = (qMax<qint64>(0, ms) + 500) / 1000;
    const auto two = [](qint64 n) { return QString::number(n).rightJustified(2, u'0'); };
    if (s < 3600)
        return QString::number(s / 60) + u':' + two(s % 60);
    return QString::number(s / 3600) + u':' + two(s / 60 % 60) + u':' + two(s % 60);
}

QString headerReport(const MP3Hdr& header, const QLocale& locale) {
    const QString crlf = u"\r\n"_s;
    QString text = u"Filename:\t\t"_s + header.HdrFile + crlf + crlf;
    text += u"Bitrate:\t\t"_s +
            (header.HdrVbr ? QString::number(header.HdrAverageBitrate) + u" kBits (VBR)"_s
                           : QString::number(header.HdrBitrate) + u" kBits"_s) +
            crlf;
    text += u"Frequency:\t"_s + formatAtLeastThreeDigits(header.HdrFrequency, locale) + crlf;
    text += u"Mode:\t\t"_s + header.HdrMode + crlf;
    text += u"MPEG version:\t"_s + versionText(header.HdrVersion) + crlf;
    text += u"Layer:\t\t"_s + QString::number(header.HdrLayer) + crlf;
    text += u"Length:\t\t"_s + playingTime(header.HdrDurationMs) + crlf;
    if (header.HdrRiff)
        text += crlf + u"A RIFF wrapper was found around the file."_s;
    return text;
}

QString noFrameMessage(const QString& path) {
    return u"No MPEG audio frame header was found in "_s + path + u"."_s;
}
