#include "fakes/FakePrompter.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The fake message box is what every window test trusts: it must catch a box nobody expected.
TEST(FakePrompter, AnswersFromTheScriptAndFailsOnAnUnexpectedBox) {
    FakePrompter prompter;
    prompter.answerNo();
    prompter.expectMessage();
    EXPECT_FALSE(prompter.askYesNo(u"Add again?"_s, u"Confirm"_s, MsgAnswer::No));
    prompter.inform(u"Saved."_s, u"Notice"_s, MsgIcon::Information);
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.shown()[0].defaultButton, MsgAnswer::No);
    EXPECT_EQ(prompter.shown()[0].icon, MsgIcon::Question);
    EXPECT_EQ(prompter.last().title, u"Notice");
    EXPECT_TRUE(prompter.scriptUsedUp());

    EXPECT_NONFATAL_FAILURE(prompter.inform(u"Surprise"_s, u"Oops"_s, MsgIcon::Information),
                            "unexpected message box: \"Surprise\"");
    prompter.expectMessage();
    EXPECT_NONFATAL_FAILURE(prompter.askYesNo(u"Sure?"_s, u"Confirm"_s), "was a question");
}
