#pragma once

#include <QString>

// A modal message box: every question and failure message the program shows goes through here,
// so tests can script the answers and see exactly what the user was asked.
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Question, Exclamation };
enum class MsgAnswer { Ok, Yes, No, Cancel };

struct MessageBoxRequest {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    MsgAnswer defaultButton = MsgAnswer::Ok; // Ok for OK boxes; Yes, No or Cancel for questions
    // The text is lines of a caption, TABs and a value (platform/TabularText.h), shown with the
    // values in one column.
    bool tabular = false;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual MsgAnswer show(const MessageBoxRequest& box) = 0;

    // The two shapes every caller uses.
    void inform(const QString& text, const QString& title, MsgIcon icon) {
        show({text, title, MsgButtons::Ok, icon, MsgAnswer::Ok});
    }
    bool askYesNo(const QString& text, const QString& title,
                  MsgAnswer defaultButton = MsgAnswer::Yes) {
        return show({text, title, MsgButtons::YesNo, MsgIcon::Question, defaultButton}) ==
               MsgAnswer::Yes;
    }
};
