#include "gui/mainwindow/ElidedLabel.h"
#include "gui/mainwindow/LayoutScale.h"
#include "support/EveryWindow.h"
#include "support/WindowFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {
using MainWindowLayout = WindowFixture;

// The texts of window's labels and buttons that their place cuts off, across or down.
QStringList clippedTexts(const QWidget& window) {
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
} // namespace

TEST_F(MainWindowLayout, EveryWindowGrowsWithTheFontAndShowsAllItsText) {
    shared().settings = std::make_unique<IniFiler>(iniPath());
    const QFont desktop = QApplication::font();
    EXPECT_EQ(fontScale(QFont(desktop.family(), 4)), 1.0) << "never below 1";
    QList<QSize> sizes[2];
    for (int i = 0; i < 2; ++i) {
        QFont font = desktop;
        font.setPointSizeF(i == 0 ? desktop.pointSizeF() : 14);
        QApplication::setFont(font);
        EveryWindow windows;
        for (QWidget* window : windows.all()) {
            SCOPED_TRACE(window->objectName().toStdString() + (i ? " at 14 pt" : ""));
            EXPECT_GE(layoutScale(*window), fontScale(font));
            EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "fixed";
            EXPECT_EQ(clippedTexts(*window), QStringList());
            for (const QWidget* control : window->findChildren<QWidget*>())
                EXPECT_GE(control->font().pointSizeF(), font.pointSizeF())
                    << control->objectName().toStdString() << " shrunk";
            sizes[i] << window->size();
        }
    }
    QApplication::setFont(desktop);
    for (int w = 0; w < sizes[0].size(); ++w) { // larger, in the same shape
        EXPECT_GT(sizes[1][w].width(), sizes[0][w].width() * 1.2) << w;
        EXPECT_NEAR(double(sizes[1][w].height()) / sizes[1][w].width(),
                    double(sizes[0][w].height()) / sizes[0][w].width(), 0.05)
            << w;
    }
}

TEST_F(MainWindowLayout, ALongPlaylistNameKeepsItsFileNameAndShowsAllAsATip) {
    frmMain w;
    const QString name = u"/home/someone/music/collections/of many kinds/Best of the year.m3u"_s;
    w.lblName->setText(name);
    w.show();
    const QString shown = static_cast<ElidedLabel*>(w.lblName)->shownText();
    EXPECT_TRUE(shown.startsWith(QChar(0x2026)) && shown.endsWith(u"/Best of the year.m3u"_s))
        << shown.toStdString();
    EXPECT_EQ(w.lblName->text(), name) << "the program reads the whole path back";
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), w.lblName->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(w.lblName, &hover);
    EXPECT_EQ(QToolTip::text(), name);
    w.lblName->setText(u"<new>"_s);
    EXPECT_EQ(static_cast<ElidedLabel*>(w.lblName)->shownText(), u"<new>");
}
