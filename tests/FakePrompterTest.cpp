#include "fakes/FakePrompter.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

// The fake message box is what every window test trusts: it must catch a box nobody expected.
TEST(FakePrompter, AnswersFromTheScriptAndFailsOnAnUnexpectedBox) {
    FakePrompter prompter;
    prompter.answerNo();
    prompter.expectMessage();
    EXPECT_FALSE(prompter.askYesNo(u"Add again?"_qs, u"Confirm"_qs, MsgAnswer::No));
    prompter.inform(u"Saved."_qs, u"Notice"_qs, MsgIcon::Information);
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.shown()[0].defaultButton, MsgAnswer::No);
    EXPECT_EQ(prompter.shown()[0].icon, MsgIcon::Question);
    EXPECT_EQ(prompter.last().title, u"Notice");
    EXPECT_TRUE(prompter.scriptUsedUp());

    EXPECT_NONFATAL_FAILURE(prompter.inform(u"Surprise"_qs, u"Oops"_qs, MsgIcon::Information),
                            "unexpected message box: \"Surprise\"");
    prompter.expectMessage();
    EXPECT_NONFATAL_FAILURE(prompter.askYesNo(u"Sure?"_qs, u"Confirm"_qs), "was a question");
}
