#include "platform/QtFileDialogs.h"
#include "platform/QtPrompter.h"
#include "platform/SystemRegistry.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The real message box and dialog filters, as the user meets them.
namespace {
// Presses the default button of the box that is about to open, noting what it showed.
void pressDefaultOfNextBox(QString* shownText, Qt::TextFormat* format) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *shownText = box->text();
        *format = box->textFormat();
        box->defaultButton()->click();
    });
}
} // namespace

TEST(DesktopSeams, MessageBoxesShowPlainTextAndHonourTheDefaultButton) {
    QtPrompter prompter;
    QString text;
    Qt::TextFormat format = Qt::AutoText;

    pressDefaultOfNextBox(&text, &format);
    EXPECT_FALSE(prompter.askYesNo(u"File <b>a.mp3</b> is already in playlist! Add again?"_s,
                                   u"Confirm"_s, MsgAnswer::No))
        << "Enter on a question whose default is No must not add the song";
    EXPECT_EQ(text, u"File <b>a.mp3</b> is already in playlist! Add again?");
    EXPECT_EQ(format, Qt::PlainText);

    pressDefaultOfNextBox(&text, &format);
    EXPECT_TRUE(prompter.askYesNo(u"Save options?"_s, u"Confirm"_s));
}

TEST(DesktopSeams, DialogFiltersAndTheRegistryStandIn) {
    EXPECT_EQ(qtNameFilters(u"Playlists (*.m3u)|*.m3u"_s), QStringList{u"Playlists (*.m3u)"_s});
    EXPECT_EQ(qtNameFilters(u"Songs|*.mp3|All|*"_s),
              (QStringList{u"Songs (*.mp3)"_s, u"All (*)"_s}));

    SystemRegistry registry;
    EXPECT_FALSE(registry.query(kHKeyLocalMachine, u"SOFTWARE\\Other"_s, u"PATH"_s, 0x2003F));
    EXPECT_FALSE(
        registry.query(0, u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s, u"PATH"_s, 0x2003F))
        << "only the local-machine root is answered";
    if (const auto tool = registry.query(
            kHKeyLocalMachine, u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s, u"PATH"_s, 0)) {
        EXPECT_EQ(tool->type, kRegSz);
        EXPECT_TRUE(tool->data.endsWith('\0'));
    }
}
