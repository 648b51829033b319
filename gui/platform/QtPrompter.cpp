#include "gui/platform/QtPrompter.h"

#include "core/text/TabularText.h"

#include <QApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {
// A table whose second column starts where the widest caption ends, whatever the font. A value
// too long for the box (a deep path) wraps instead of being cut off.
QString tableHtml(const QString& text) {
    QString html = u"<table cellspacing=\"0\" cellpadding=\"0\">"_s;
    for (const TextRow& row : tabularRows(text)) {
        const auto cell = [](const QString& t) {
            return t.isEmpty() ? u"&nbsp;"_s : t.toHtmlEscaped();
        };
        if (row.split)
            html += u"<tr><td style=\"white-space:nowrap; padding-right:12px\">%1</td>"
                    "<td style=\"white-space:pre-wrap\">%2</td></tr>"_s.arg(cell(row.caption),
                                                                            cell(row.value));
        else
            html += u"<tr><td colspan=\"2\" style=\"white-space:pre-wrap\">%1</td></tr>"_s.arg(
                cell(row.caption));
    }
    return html + u"</table>"_s;
}
} // namespace

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
    if (box.tabular) {
        mb.setTextFormat(Qt::RichText); // a table; its cells are escaped
        mb.setText(tableHtml(box.text));
    } else {
        mb.setTextFormat(Qt::PlainText); // messages quote file names, which are never markup
    }
    if (box.buttons == MsgButtons::Ok) {
        mb.setStandardButtons(QMessageBox::Ok);
        mb.exec();
        return MsgAnswer::Ok;
    }
    // Escape gives the answer that changes nothing: No, or Cancel where there is one.
    const bool cancel = box.buttons == MsgButtons::YesNoCancel;
    mb.setStandardButtons(QMessageBox::Yes | QMessageBox::No |
                          (cancel ? QMessageBox::Cancel : QMessageBox::NoButton));
    mb.setDefaultButton(box.defaultButton == MsgAnswer::No       ? QMessageBox::No
                        : box.defaultButton == MsgAnswer::Cancel ? QMessageBox::Cancel
                                                                 : QMessageBox::Yes);
    mb.setEscapeButton(cancel ? QMessageBox::Cancel : QMessageBox::No);
    const int pressed = mb.exec();
    if (pressed == QMessageBox::Yes)
        return MsgAnswer::Yes;
    return pressed == QMessageBox::Cancel ? MsgAnswer::Cancel : MsgAnswer::No;
}
