#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QStringList>
#include <QWidget>

// The texts of window's labels and buttons that their place cuts off, across or down.
inline QStringList clippedTexts(const QWidget& window) {
    QStringList clipped;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(control);
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (text.isEmpty() || control->isHidden())
            continue;
        if (label && label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                                       : control->sizeHint().width() > control->width() ||
                                             control->fontMetrics().height() > control->height())
            clipped << text;
    }
    return clipped;
}
