#include "gui/mainwindow/LayoutScale.h"

#include "gui/mainwindow/SvgPicture.h"
#include "gui/mainwindow/ThemeColours.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {
// 8-point MS Sans Serif at 96 dots per inch, the font the twips were measured with.
constexpr double kReferenceLetterWidth = 6.0;
constexpr double kReferenceLineHeight = 13.0;
constexpr double kDesignPoints = 8.0;
constexpr double kStep = 0.05;
constexpr double kLargest = 6.0;

constexpr const char* kPlace = "velmoraPlace";
constexpr const char* kClientArea = "velmoraClientArea";
constexpr const char* kPicture = "velmoraPicture";
constexpr const char* kIconSize = "velmoraIconSize";
constexpr const char* kScale = "velmoraScale";

// Scales a length that starts at from, so that neighbours that touched still touch.
int scaledLength(int from, int length, double scale) {
    if (length <= 1) // a hairline stays one pixel
        return length;
    return qRound((from + length) * scale) - qRound(from * scale);
}

QRect scaled(QRect r, double scale) {
    return {qRound(r.left() * scale), qRound(r.top() * scale),
            scaledLength(r.left(), r.width(), scale), scaledLength(r.top(), r.height(), scale)};
}

QSize scaled(QSize s, double scale) {
    return {qRound(s.width() * scale), qRound(s.height() * scale)};
}

QString withoutMnemonic(QString text) {
    return text.replace(u"&&"_s, u"\x01"_s).remove(u'&').replace(u'\x01', u'&');
}

// Whether control shows all of its text at its present size.
bool textFits(const QWidget& control) {
    const QFontMetrics metrics(control.font());
    const QSize size = control.size();
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return true;
        if (label->wordWrap())
            return label->heightForWidth(size.width()) <= size.height();
        const QSize need = label->sizeHint();
        return need.width() <= size.width() && metrics.height() <= size.height();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        if (button->text().isEmpty())
            return true;
        if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button))
            return button->sizeHint().width() <= size.width() && metrics.height() <= size.height();
        // The text and the button's margins; a style's wish for wide buttons is no need.
        const auto* push = qobject_cast<const QPushButton*>(button);
        const int margins =
            push && push->isFlat()
                ? 2
                : control.style()->pixelMetric(QStyle::PM_ButtonMargin) +
                      2 * control.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        return metrics.horizontalAdvance(withoutMnemonic(button->text())) + margins <=
                   size.width() &&
               metrics.height() <= size.height();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control))
        return frame->title().isEmpty() ||
               metrics.horizontalAdvance(frame->title()) + metrics.averageCharWidth() * 2 <=
                   size.width();
    if (qobject_cast<const QLineEdit*>(&control) || qobject_cast<const QComboBox*>(&control))
        return control.minimumSizeHint().height() <= size.height();
    return true;
}

bool everyTextFits(const QWidget& window) {
    for (const QWidget* control : window.findChildren<QWidget*>())
        if (control->property(kPlace).isValid() && !control->isHidden() && !textFits(*control))
            return false;
    return true;
}

void drawPicture(QWidget& control, double scale) {
    const QString file = control.property(kPicture).toString();
    const qreal dpr = control.devicePixelRatioF();
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        const QSize icon = scaled(control.property(kIconSize).toSize(), scale);
        button->setIconSize(icon);
        button->setIcon(QIcon(
            svgPixmap(file, icon, dpr, pictureInk(themePalette(*button), QPalette::ButtonText))));
    } else if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setPixmap(svgPixmap(file, label->size(), dpr,
                                   pictureInk(themePalette(*label), QPalette::WindowText)));
    }
}

// The client area remembered for window: its own, or that of the one control that holds its
// client area (a main window's central widget).
QSize clientArea(const QWidget& window) {
    if (const QVariant area = window.property(kClientArea); area.isValid())
        return area.toSize();
    for (const QWidget* w : window.findChildren<QWidget*>())
        if (const QVariant area = w->property(kClientArea); area.isValid())
            return area.toSize();
    return {};
}

// The largest scale at which window, with its menu bar and the frame the desktop draws around
// it, fits the available area of its screen (the screen less its panels); never below 1. A
// window larger than the screen could neither be seen whole nor moved back.
double largestFittingScale(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QSize client = clientArea(window);
    if (!screen || client.isEmpty())
        return kLargest;
    // The frame is known once the window is shown; before, a title bar and thin borders.
    QSize frame = window.frameGeometry().size() - window.geometry().size();
    if (frame.isEmpty()) {
        const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        frame = {2 * border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border};
    }
    if (const auto* main = qobject_cast<const QMainWindow*>(&window); main && main->menuWidget())
        frame.rheight() += main->menuWidget()->sizeHint().height();
    const QRect available = screen->availableGeometry();
    return std::max(1.0, std::min(double(available.width() - frame.width()) / client.width(),
                                  double(available.height() - frame.height()) / client.height()));
}

void apply(QWidget& window, double scale) {
    QList<QWidget*> all = window.findChildren<QWidget*>();
    all.prepend(&window);
    for (QWidget* w : all) {
        if (const QVariant place = w->property(kPlace); place.isValid())
            w->setGeometry(scaled(place.toRect(), scale));
        if (const QVariant area = w->property(kClientArea); area.isValid())
            w->setFixedSize(scaled(area.toSize(), scale));
    }
}
} // namespace

void setPlace(QWidget& control, QRect place) {
    control.setProperty(kPlace, place);
    control.setGeometry(place);
}

void setClientArea(QWidget& window, QSize size) {
    window.setProperty(kClientArea, size);
    window.setFixedSize(size);
}

void setPicture(QLabel& label, const QString& svgFile) {
    label.setProperty(kPicture, svgFile);
    followPalette(label, [](QWidget& control) { drawPicture(control, layoutScale(control)); });
}

void setPicture(QAbstractButton& button, const QString& svgFile, QSize iconSize) {
    button.setProperty(kPicture, svgFile);
    button.setProperty(kIconSize, iconSize);
    followPalette(button, [](QWidget& control) { drawPicture(control, layoutScale(control)); });
}

double fontScale(const QFont& font) {
    const QFontMetricsF metrics(font);
    const QString letters = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"_s;
    const double width = metrics.horizontalAdvance(letters) / letters.size();
    return std::max({1.0, width / kReferenceLetterWidth, metrics.height() / kReferenceLineHeight});
}

double scaleLayout(QWidget& window) {
    const double largest = std::min(kLargest, largestFittingScale(window));
    double scale = std::min(fontScale(window.font()), largest);
    apply(window, scale);
    while (!everyTextFits(window) && scale < largest) {
        scale = std::min(scale + kStep, largest); // the last step fills the screen exactly
        apply(window, scale);
    }
    for (QWidget* w : window.findChildren<QWidget*>())
        if (w->property(kPicture).isValid())
            drawPicture(*w, scale);
    window.setProperty(kScale, scale);
    return scale;
}

double layoutScale(const QWidget& control) {
    const QVariant scale = control.window()->property(kScale);
    return scale.isValid() ? scale.toDouble() : 1.0;
}

QFont designFont(const QString& family, double designPoints) {
    const double desktop = QFontInfo(QApplication::font()).pointSizeF();
    QFont font(family);
    font.setPointSizeF(std::max(designPoints, desktop * designPoints / kDesignPoints));
    return font;
}
