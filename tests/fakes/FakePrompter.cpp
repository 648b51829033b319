#include "fakes/FakePrompter.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

MsgAnswer FakePrompter::show(const MessageBoxRequest& box) {
    shown_.push_back(box);
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected message box: \"" << box.text.toStdString() << "\" titled \""
                      << box.title.toStdString() << "\"";
        return box.buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
    }
    const MsgAnswer answer = script_.front();
    script_.pop_front();
    const bool question = box.buttons == MsgButtons::YesNo;
    if (question != (answer != MsgAnswer::Ok))
        ADD_FAILURE() << "box \"" << box.text.toStdString() << "\" was "
                      << (question ? "a question" : "a message") << ", the script expected "
                      << (question ? "a message" : "a question");
    return answer;
}

QStringList FakePrompter::texts() const {
    QStringList t;
    for (const auto& b : shown_)
        t << b.text;
    return t;
}

QStringList FakePrompter::described() const {
    QStringList d;
    for (const auto& b : shown_)
        d << describe(b);
    return d;
}

QString describe(const MessageBoxRequest& box) {
    const char* icons[] = {"no icon", "information", "question", "exclamation"};
    return u"[%1] %2 (%3, %4)"_s.arg(box.title, box.text,
                                     box.buttons == MsgButtons::Ok ? u"OK"_s : u"Yes/No"_s,
                                     QString::fromLatin1(icons[int(box.icon)]));
}
