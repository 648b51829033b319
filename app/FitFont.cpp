#include "app/FitFont.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

namespace {
constexpr double kLargest = 8.0;
constexpr double kSmallest = 6.0;
constexpr double kStep = 0.25;

bool fits(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->text().isEmpty())
            return true;
        if (label->wordWrap())
            return label->heightForWidth(label->width()) <= label->height();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        if (button->text().isEmpty())
            return true;
    } else {
        return true;
    }
    return control.sizeHint().width() <= control.width();
}

bool allFit(const QWidget& window) {
    for (const QWidget* control : window.findChildren<QWidget*>())
        if (!control->testAttribute(Qt::WA_SetFont) && !fits(*control))
            return false;
    return true;
}
} // namespace

void FitFont(QWidget& window) {
    QFont font = window.font();
    // Arial's metrics are what the layout was made for; any sans-serif stands in for it.
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans")});
    font.setStyleHint(QFont::SansSerif);
    for (double size = kLargest; size >= kSmallest; size -= kStep) {
        font.setPointSizeF(size);
        window.setFont(font);
        if (allFit(window))
            return;
    }
}
