#include "platform/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The real message box: its text is never read as markup, and Enter presses its default button.
TEST(DesktopSeams, MessageBoxesShowPlainTextAndHonourTheDefaultButton) {
    QString shown;
    const auto pressDefaultOfNextBox = [&] {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            shown = (box->textFormat() == Qt::PlainText ? u"plain: "_s : u"rich: "_s) + box->text();
            box->defaultButton()->click();
        });
    };
    QtPrompter prompter;
    pressDefaultOfNextBox();
    EXPECT_FALSE(prompter.askYesNo(u"File <b>a.mp3</b> is already in playlist! Add again?"_s,
                                   u"Confirm"_s, MsgAnswer::No))
        << "Enter on a question whose default is No must not add the song";
    EXPECT_EQ(shown, u"plain: File <b>a.mp3</b> is already in playlist! Add again?");
    pressDefaultOfNextBox();
    EXPECT_TRUE(prompter.askYesNo(u"Save options?"_s, u"Confirm"_s));
}
