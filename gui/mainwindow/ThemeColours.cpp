#include "gui/mainwindow/ThemeColours.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cmath>

namespace {
constexpr double kReadable = 4.5; // the guidelines' least contrast for ordinary text

// Paints its control again after the application's palette changed. The window hears of the
// change first; painting waits until the new palette has reached every control of it.
class PaletteFollower : public QObject {
public:
    PaletteFollower(QWidget& control, std::function<void(QWidget&)> paint)
        : QObject(&control), control_(control), paint_(std::move(paint)) {
        control.window()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == control_.window() && event->type() == QEvent::ApplicationPaletteChange)
            QTimer::singleShot(0, this, [this] { paint_(control_); });
        return false;
    }

private:
    QWidget& control_;
    std::function<void(QWidget&)> paint_;
};

double channel(double value) {
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
} // namespace

bool isDark(const QPalette& palette) {
    return luminance(palette.color(QPalette::Window)) <
           luminance(palette.color(QPalette::WindowText));
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor captionColour(const QPalette& palette) {
    const QColor darkRed(128, 0, 0);
    if (!isDark(palette))
        return darkRed;
    // The same hue, as saturated, only lighter: the captions stay red.
    const QColor window = palette.color(QPalette::Window);
    QColor red = darkRed;
    for (int lightness = darkRed.lightness(); lightness <= 255; lightness += 4) {
        red = QColor::fromHsl(0, 255, lightness);
        if (contrastRatio(red, window) >= kReadable)
            break;
    }
    return red;
}

QColor linkColour(const QPalette& palette) {
    return isDark(palette) ? palette.color(QPalette::Link) : QColor(Qt::blue);
}

QColor pictureInk(const QPalette& palette, QPalette::ColorRole role) {
    return isDark(palette) ? palette.color(role) : QColor();
}

QPalette themePalette(const QWidget& control) {
    return control.window()->palette();
}

void followPalette(QWidget& control, const std::function<void(QWidget&)>& paint) {
    paint(control);
    new PaletteFollower(control, paint); // owned by control
}
