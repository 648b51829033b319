#include "core/mp3/HeaderReport.h"

#include <QCoreApplication>

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
    QString text =
        QCoreApplication::translate("HeaderReport", "Filename:\t\t") + header.HdrFile + crlf + crlf;
    text += QCoreApplication::translate("HeaderReport", "Bitrate:\t\t") +
            (header.HdrVbr ? QString::number(header.HdrAverageBitrate) +
                                 QCoreApplication::translate("HeaderReport", " kBits (VBR)")
                           : QString::number(header.HdrBitrate) +
                                 QCoreApplication::translate("HeaderReport", " kBits")) +
            crlf;
    text += QCoreApplication::translate("HeaderReport", "Frequency:\t") +
            formatAtLeastThreeDigits(header.HdrFrequency, locale) + crlf;
    text += QCoreApplication::translate("HeaderReport", "Mode:\t\t") + header.HdrMode + crlf;
    text += QCoreApplication::translate("HeaderReport", "MPEG version:\t") +
            versionText(header.HdrVersion) + crlf;
    text += QCoreApplication::translate("HeaderReport", "Layer:\t\t") +
            QString::number(header.HdrLayer) + crlf;
    text += QCoreApplication::translate("HeaderReport", "Length:\t\t") +
            playingTime(header.HdrDurationMs) + crlf;
    if (header.HdrRiff)
        text += crlf + QCoreApplication::translate("HeaderReport",
                                                   "A RIFF wrapper was found around the file.");
    return text;
}

QString noFrameMessage(const QString& path) {
    return QCoreApplication::translate("HeaderReport", "No MPEG audio frame header was found in ") +
           path + u"."_s;
}
