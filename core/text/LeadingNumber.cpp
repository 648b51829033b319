#include "core/text/LeadingNumber.h"

#include <cmath>

double leadingNumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    QString digits;
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        digits += text[i++];
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            digits += c;
        } else if (c == u'.' && !point) {
            digits += c;
            point = true;
        } else {
            break;
        }
    }
    return digits.toDouble(); // 0 for a sign or a point alone
}

double roundHalfEven(double value) {
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}
