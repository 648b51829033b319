#include "mainwindow/PlaylistItems.h"
#include "mainwindow/frmMain.h"
#include "support/SongsWindowFixture.h"

#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {
class EditingCommands : public SongsWindowFixture {
protected:
    // X, Y and Z; Y's name cannot be told back from its text, so it shows whether the carried
    // name and folder move with the text.
    void fillXYZ() { appendEntries(*w->lstSelected, {x, y, z}); }
    QList<Entry> entries() const {
        QList<Entry> all;
        for (int i = 0; i < w->lstSelected->count(); ++i)
            all << entryAt(*w->lstSelected, i);
        return all;
    }
    void expectNothingChangesOn(void (frmMain::*command)(), const char* what) {
        const QList<Entry> before = entries();
        const QList<int> selected = selectedRows(*w->lstSelected);
        const int current = w->lstSelected->currentRow();
        (w.get()->*command)();
        EXPECT_EQ(entries(), before) << what;
        EXPECT_EQ(selectedRows(*w->lstSelected), selected) << what;
        EXPECT_EQ(w->lstSelected->currentRow(), current) << what;
    }

    const Entry x{u"X.mp3"_s, u"/music"_s};
    const Entry y{u" Y {live}.mp3"_s, u"/music"_s};
    const Entry z{u"Z.mp3"_s, u"/music"_s};
};
} // namespace

TEST_F(EditingCommands, MoveUpTakesTheCurrentSongAlongUntilTheTop) {
    fillXYZ();
    click(*w->lstSelected, 2);
    w->lstSelected->item(1)->setSelected(true);

    w->cmdUp_Click();
    EXPECT_EQ(entries(), QList<Entry>({x, z, y}));
    EXPECT_EQ(selectedRows(*w->lstSelected), QList<int>({1})) << "Z selected, Y unselected";
    EXPECT_EQ(w->lstSelected->currentRow(), 1) << "the current entry follows the song";
    EXPECT_TRUE(w->lstSelected->hasFocus());
    EXPECT_TRUE(w->IsSel(u"S"_s, 1)) << "the memory is recorded";
    EXPECT_FALSE(w->IsSel(u"S"_s, 2));

    w->cmdUp_Click();
    EXPECT_EQ(entries(), QList<Entry>({z, x, y}));
    EXPECT_EQ(selectedRows(*w->lstSelected), QList<int>({0}));
    expectNothingChangesOn(&frmMain::cmdUp_Click, "Move up at the top");
}

TEST_F(EditingCommands, MoveDownLeavesOtherSelectedEntriesInPlace) {
    fillXYZ();
    select(*w->lstSelected, {0, 2});
    w->lstSelected->setCurrentRow(1, QItemSelectionModel::NoUpdate);

    w->cmdDn_Click();
    EXPECT_EQ(entries(), QList<Entry>({x, z, y}));
    EXPECT_EQ(selectedRows(*w->lstSelected), QList<int>({0, 2}))
        << "row 1 (now Z) unselected, row 2 (now Y) selected, X still selected";
    EXPECT_EQ(w->lstSelected->item(2)->text(), y.text());
    EXPECT_EQ(w->lstSelected->currentRow(), 2);
    expectNothingChangesOn(&frmMain::cmdDn_Click, "Move down at the bottom");
}

TEST_F(EditingCommands, UpAndDownNeedTwoEntriesAndACurrentOne) {
    appendEntry(*w->lstSelected, x);
    click(*w->lstSelected, 0);
    expectNothingChangesOn(&frmMain::cmdUp_Click, "one entry, up");
    expectNothingChangesOn(&frmMain::cmdDn_Click, "one entry, down");

    w->lstSelected->clear();
    fillXYZ();
    ASSERT_EQ(w->lstSelected->currentRow(), -1);
    expectNothingChangesOn(&frmMain::cmdUp_Click, "no current entry, up");
    expectNothingChangesOn(&frmMain::cmdDn_Click, "no current entry, down");
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(EditingCommands, BinClickAsksThenRemovesTheSelectedEntries) {
    fillXYZ();
    select(*w->lstSelected, {0, 2});

    prompter.answerNo();
    w->cmdClear_Click();
    EXPECT_EQ(entries(), QList<Entry>({x, y, z})) << "No changes nothing";
    const MessageBoxRequest& box = prompter.last();
    EXPECT_EQ(box.text, u"Do you want to remove selected MP3s from playlist?");
    EXPECT_EQ(box.title, u"Confirm");
    EXPECT_EQ(box.buttons, MsgButtons::YesNo);
    EXPECT_EQ(box.icon, MsgIcon::Question);
    EXPECT_EQ(box.defaultButton, MsgAnswer::No);

    prompter.answerYes();
    w->cmdClear_Click();
    EXPECT_EQ(entries(), QList<Entry>({y}));
    EXPECT_EQ(prompter.shown().size(), 2u) << "one question per click";

    // Nothing selected: Yes removes nothing and records the memory.
    w->lstSelected->item(0)->setSelected(true);
    w->SavePkS();
    w->lstSelected->clearSelection();
    prompter.answerYes();
    w->cmdClear_Click();
    EXPECT_EQ(entries(), QList<Entry>({y}));
    EXPECT_FALSE(w->IsSel(u"S"_s, 0));
}

TEST_F(EditingCommands, BinClickOnAnEmptyPlaylistSaysSoAndAsksNothing) {
    prompter.expectMessage();
    w->cmdClear_Click();
    ASSERT_EQ(prompter.shown().size(), 1u);
    const MessageBoxRequest& box = prompter.last();
    EXPECT_EQ(box.text, u"No MP3s selected.");
    EXPECT_EQ(box.title, u"Oops");
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(box.icon, MsgIcon::Information);
}

TEST_F(EditingCommands, RemovingLongScatteredSelectionsKeepsTheRestInOrder) {
    QVector<Entry> many;
    for (int i = 0; i < 1000; ++i)
        many << Entry{QString::number(i) + u".mp3"_s, u"/music"_s};
    appendEntries(*w->lstSelected, many);
    QList<int> chosen;
    for (int i = 0; i < 1000; ++i)
        if (i % 3 == 0 || (i > 500 && i < 600))
            chosen << i;
    select(*w->lstSelected, chosen);

    prompter.answerYes();
    w->cmdClear_Click();

    QList<Entry> expected;
    for (int i = 0; i < 1000; ++i)
        if (!chosen.contains(i))
            expected << many[i];
    EXPECT_EQ(entries(), expected);
}
