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
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = (box->textFormat() == Qt::PlainText ? u"plain: "_s : u"rich: "_s) + box->text();
        box->defaultButton()->click();
    });
    EXPECT_FALSE(QtPrompter().askYesNo(u"File <b>a.mp3</b> is already in playlist! Add again?"_s,
                                       u"Confirm"_s, MsgAnswer::No)); // Enter must not add it
    EXPECT_EQ(shown, u"plain: File <b>a.mp3</b> is already in playlist! Add again?");
}
