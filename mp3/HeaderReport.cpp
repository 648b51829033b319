#include "mp3/HeaderReport.h"

QString formatAtLeastThreeDigits(qint32 value, const QLocale& locale) {
    QString text = locale.toString(value);
    if (value >= 0)
        for (qint32 below = 100; below > 1 && value < below; below /= 10)
            text.prepend(locale.zeroDigit());
    return text;
}

QString headerReport(const MP3Hdr& header, const QLocale& locale) {
    const QString crlf = u"\r\n"_qs;
    QString text = u"Filename:\t\t"_qs + header.HdrFile + crlf + crlf;
    text += u"Bitrate:\t\t"_qs + QString::number(header.HdrBitrate) + u" kBits"_qs + crlf;
    text += u"Frequency:\t"_qs + formatAtLeastThreeDigits(header.HdrFrequency, locale) + crlf;
    text += u"Mode:\t\t"_qs + header.HdrMode + crlf;
    text += u"MPEG version:\t"_qs + versionText(header.HdrVersion) + crlf;
    text += u"Layer:\t\t"_qs + QString::number(header.HdrLayer) + crlf;
    if (header.HdrRiff)
        text += crlf + u"A RIFF wrapper was found around the file."_qs;
    return text;
}

QString noFrameMessage(const QString& path) {
    return u"No MPEG audio frame header was found in "_qs + path + u"."_qs;
}
