#include "platform/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>

MsgAnswer QtPrompter::show(const MessageBoxRequest& box) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (box.icon) {
    case MsgIcon::Information:
        icon = QMessageBox::Information;
        break;
    case MsgIcon::Question:
        icon = QMessageBox::Question;
        break;
    case MsgIcon::Exclamation:
        icon = QMessageBox::Warning;
        break;
    case MsgIcon::None:
        break;
    }
    QMessageBox mb(icon, box.title, box.text, QMessageBox::NoButton, QApplication::activeWindow());
    mb.setTextFormat(Qt::PlainText); // messages quote file names, which are never markup
    if (box.buttons == MsgButtons::YesNo) {
        mb.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        mb.setDefaultButton(box.defaultButton == MsgAnswer::No ? QMessageBox::No
                                                               : QMessageBox::Yes);
        mb.setEscapeButton(QMessageBox::No);
    } else {
        mb.setStandardButtons(QMessageBox::Ok);
    }
    const int pressed = mb.exec();
    if (box.buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return pressed == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}
