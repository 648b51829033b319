#pragma once

#include "platform/Prompter.h"

#include <deque>
#include <vector>

// A box as one line, "[title] text (buttons, icon)", for comparing a whole box at once.
QString describe(const MessageBoxRequest& box);

// Records every box and answers from a script. A box the script did not expect fails the test.
class FakePrompter : public Prompter {
public:
    MsgAnswer show(const MessageBoxRequest& box) override;

    // The next box is expected to be an OK box, or a question answered Yes or No.
    void expectMessage() { script_.push_back(MsgAnswer::Ok); }
    void answerYes() { script_.push_back(MsgAnswer::Yes); }
    void answerNo() { script_.push_back(MsgAnswer::No); }

    const std::vector<MessageBoxRequest>& shown() const { return shown_; }
    const MessageBoxRequest& last() const { return shown_.back(); }
    QStringList texts() const;
    QStringList described() const; // every box shown, as describe() gives it
    bool scriptUsedUp() const { return script_.empty(); }
    void clear() {
        shown_.clear();
        script_.clear();
    }

private:
    std::deque<MsgAnswer> script_;
    std::vector<MessageBoxRequest> shown_;
};
