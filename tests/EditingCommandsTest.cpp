#include "mainwindow/frmMain.h"
#include "support/SongsWindowFixture.h"

using namespace Qt::StringLiterals;

namespace {
class EditingCommands : public SongsWindowFixture {
protected:
    void SetUp() override {
        SongsWindowFixture::SetUp();
        fillPlaylist({u"X"_s, u"Y"_s, u"Z"_s});
    }
    QString order() const {
        QString names;
        for (const QString& text : playlist())
            names += text.front();
        return names;
    }
};
} // namespace

TEST_F(EditingCommands, MovesTheCurrentEntryAndItsSelection) {
    select(*w->lstSelected, {0, 2});
    w->lstSelected->setCurrentRow(1, QItemSelectionModel::NoUpdate);
    w->cmdDn_Click();
    EXPECT_EQ(order(), u"XZY");
    EXPECT_EQ(selectedRows(*w->lstSelected), QList<int>({0, 2})) << "Z unselected, Y selected";
    EXPECT_EQ(w->lstSelected->currentRow(), 2) << "the current entry follows the song";
    EXPECT_TRUE(w->lstSelected->hasFocus());
    EXPECT_TRUE(w->IsSel(u"S"_s, 2) && !w->IsSel(u"S"_s, 1)) << "the memory is recorded";
    w->cmdDn_Click();
    w->cmdUp_Click();
    w->cmdUp_Click();
    EXPECT_EQ(order(), u"YXZ");
    EXPECT_EQ(selectedRows(*w->lstSelected), QList<int>({0}));
    w->cmdUp_Click();
    EXPECT_EQ(order(), u"YXZ") << "the top entry stays";
    w->lstSelected->setCurrentRow(-1);
    w->cmdDn_Click();
    EXPECT_EQ(order(), u"YXZ") << "no current entry";
}

TEST_F(EditingCommands, BinClickAsksThenRemovesTheSelectedEntries) {
    select(*w->lstSelected, {0, 2});
    prompter.answerNo();
    w->cmdClear_Click();
    EXPECT_EQ(order(), u"XYZ");
    EXPECT_EQ(describe(prompter.last()),
              u"[Confirm] Do you want to remove selected MP3s from playlist? (Yes/No, question)");
    EXPECT_EQ(prompter.last().defaultButton, MsgAnswer::No);
    prompter.answerYes();
    w->cmdClear_Click();
    EXPECT_EQ(order(), u"Y");

    w->cmdClear_DragDrop(w->lstSelected); // nothing selected: removes nothing
    w->cmdClear_DragDrop(w->lstSelected);
    select(*w->lstSelected, {0});
    prompter.answerYes();
    w->cmdClear_Click();
    prompter.expectMessage();
    w->cmdClear_Click();
    EXPECT_EQ(describe(prompter.last()), u"[Oops] No MP3s selected. (OK, information)");
}
