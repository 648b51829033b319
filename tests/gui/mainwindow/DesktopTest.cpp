// Runs on a screen of 700 x 500 of the windows' own pixels: a 1400 x 1000 screen at 200 %.
#include "gui/mainwindow/CenterForm.h"
#include "gui/mainwindow/ThemeColours.h"
#include "support/EveryWindow.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
using Desktop = WindowFixture;

// The colour most of the picture's visible pixels have.
QColor inkOf(const QPixmap& picture) {
    const QImage image = picture.toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor c = image.pixelColor(x, y); c.alpha() == 255)
                ++counts[c.rgb()];
    QRgb most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(most))
            most = it.key();
    return QColor(most);
}
} // namespace

TEST_F(Desktop, EveryKeyTheReadmeNamesWorksWithQtsGenericKeys) {
    ASSERT_TRUE(QKeySequence::keyBindings(QKeySequence::SaveAs).isEmpty())
        << "the generic key set, which has no Save As key";
    frmMain w;
    w.show();
    QApplication::setActiveWindow(&w);
    const std::pair<QAction*, QString> keys[] = {{w.mnuNew, u"Ctrl+N"_s},
                                                 {w.mnuOpen, u"Ctrl+O"_s},
                                                 {w.mnuSave, u"Ctrl+S"_s},
                                                 {w.mnuSaveAs, u"Ctrl+Shift+S"_s},
                                                 {w.mnuExit, u"Ctrl+Q"_s}};
    QStringList triggered;
    for (const auto& [action, key] : keys) {
        action->disconnect(&w); // what the commands do is tested with them
        QObject::connect(action, &QAction::triggered, [&triggered, key] { triggered << key; });
    }
    for (const auto& [action, key] : keys)
        QTest::keySequence(&w, QKeySequence(key));
    EXPECT_EQ(triggered,
              (QStringList{u"Ctrl+N"_s, u"Ctrl+O"_s, u"Ctrl+S"_s, u"Ctrl+Shift+S"_s, u"Ctrl+Q"_s}));
}

TEST_F(Desktop, ALightThemeKeepsItsColoursADarkOneGetsReadableCaptionsLinksAndPictures) {
    shared().settings = std::make_unique<IniFiler>(iniPath());
    const QPalette light = QApplication::palette();
    frmMain w;
    frmAbout about;
    w.show(); // a hidden window takes a new palette only once it is shown
    about.show();
    const auto colours = [&] {
        for (int i = 0; i < 3; ++i) // the windows follow a change of theme, in a few turns
            QApplication::processEvents();
        w.ensurePolished(); // the captions' colour comes from a style sheet
        return std::tuple(w.fraAvail->palette().color(QPalette::WindowText),
                          about.lblURL->palette().color(QPalette::WindowText),
                          inkOf(w.imgPlay1->pixmap()),
                          inkOf(w.cmdDelete->icon().pixmap(w.cmdDelete->iconSize())));
    };
    EXPECT_EQ(colours(), std::tuple(QColor(128, 0, 0), QColor(Qt::blue), QColor(Qt::black),
                                    QColor(Qt::black)));
    QPalette dark = light; // Breeze Dark's
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(32, 35, 38)},
                                {QPalette::WindowText, QColor(252, 252, 252)},
                                {QPalette::Button, QColor(41, 44, 48)},
                                {QPalette::ButtonText, QColor(250, 250, 250)},
                                {QPalette::Link, QColor(29, 153, 243)}})
        dark.setColor(role, colour);
    QApplication::setPalette(dark);
    const auto [caption, link, note, cross] = colours();
    QApplication::setPalette(light);
    EXPECT_GE(contrastRatio(caption, dark.color(QPalette::Window)), 4.5)
        << caption.name().toStdString();
    EXPECT_EQ(caption.hue(), 0) << "still red";
    EXPECT_EQ(std::tuple(link, note, cross),
              std::tuple(QColor(29, 153, 243), QColor(252, 252, 252), QColor(250, 250, 250)));
}

TEST_F(Desktop, EveryWindowFitsTheScreenAndIsPlacedOnIt) {
    shared().settings = std::make_unique<IniFiler>(iniPath());
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(screen.size(), QSize(700, 500));
    EveryWindow windows;
    for (QWidget* window : windows.all()) {
        SCOPED_TRACE(window->objectName().toStdString());
        window->show();
        CenterForm(*window);
        EXPECT_TRUE(screen.contains(window->frameGeometry()))
            << window->frameGeometry().width() << "x" << window->frameGeometry().height();
        window->move(screen.topLeft() + QPoint(-300, 900)); // placed off the screen by hand
        CenterForm(*window);
        EXPECT_TRUE(screen.contains(window->frameGeometry()));
    }
}
