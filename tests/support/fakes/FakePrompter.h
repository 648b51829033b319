#pragma once

#include "core/platform/Prompter.h"

#include <QStringList>
#include <deque>
#include <gtest/gtest.h>
#include <vector>

// A box as one line, "[title] text (buttons, icon)", for comparing a whole box at once.
inline QString describe(const MessageBoxRequest& box) {
    const char* icons[] = {"no icon", "information", "question", "exclamation"};
    return QStringLiteral("[%1] %2 (%3, %4)")
        .arg(box.title, box.text,
             QLatin1String(box.buttons == MsgButtons::Ok      ? "OK"
                           : box.buttons == MsgButtons::YesNo ? "Yes/No"
                                                              : "Yes/No/Cancel"),
             QLatin1String(icons[int(box.icon)]));
}

// Records every box and answers from a script. A box the script did not expect fails the test.
class FakePrompter : public Prompter {
public:
    MsgAnswer show(const MessageBoxRequest& box) override {
        shown_.push_back(box);
        const bool question = box.buttons != MsgButtons::Ok;
        if (script_.empty()) {
            ADD_FAILURE() << "unexpected message box: " << qPrintable(describe(box));
            return question ? MsgAnswer::No : MsgAnswer::Ok;
        }
        const MsgAnswer answer = script_.front();
        script_.pop_front();
        EXPECT_EQ(question, answer != MsgAnswer::Ok)
            << "the script expected the other kind of box than " << qPrintable(describe(box));
        return answer;
    }

    // The next box is expected to be an OK box, or a question answered Yes or No.
    void expectMessage(int boxes = 1) { script_.insert(script_.end(), boxes, MsgAnswer::Ok); }
    void answerYes() { script_.push_back(MsgAnswer::Yes); }
    void answerNo() { script_.push_back(MsgAnswer::No); }
    void answerCancel() { script_.push_back(MsgAnswer::Cancel); }

    const std::vector<MessageBoxRequest>& shown() const { return shown_; }
    const MessageBoxRequest& last() const { return shown_.back(); }
    // The texts of the boxes shown, or the whole boxes as describe() gives them.
    QStringList texts() const {
        return each([](const auto& box) { return box.text; });
    }
    QStringList described() const { return each(describe); }
    bool scriptUsedUp() const { return script_.empty(); }

private:
    QStringList each(const std::function<QString(const MessageBoxRequest&)>& line) const {
        QStringList lines;
        for (const MessageBoxRequest& box : shown_)
            lines << line(box);
        return lines;
    }
    std::deque<MsgAnswer> script_;
    std::vector<MessageBoxRequest> shown_;
};
