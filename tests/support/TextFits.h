#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QStringList>
#include <QWidget>

// The labels and buttons of window whose text is cut off by their fixed size.
inline QStringList clippedTexts(const QWidget& window) {
    QStringList clipped;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            text = label->text();
            if (label->wordWrap()) {
                if (label->heightForWidth(label->width()) > label->height())
                    clipped << text;
                continue;
            }
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            text = button->text();
        }
        if (!text.isEmpty() && control->sizeHint().width() > control->width())
            clipped << text;
    }
    return clipped;
}
