#include "gui/platform/QtPrompter.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The real message box, looked at once it shows, then closed with its default button as Enter
// would (or closed, when it has none).
namespace {
void whenShown(const std::function<void(const QMessageBox&)>& look) {
    QTimer::singleShot(0, [look] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        look(*box);
        if (QPushButton* enter = box->defaultButton())
            enter->click();
        else
            box->close();
    });
}
} // namespace

TEST(DesktopSeams, MessageBoxesShowPlainTextHonourTheDefaultButtonAndAlignReports) {
    QString shown;
    whenShown([&](const QMessageBox& box) {
        shown = (box.textFormat() == Qt::PlainText ? u"plain: "_s : u"rich: "_s) + box.text();
    });
    EXPECT_FALSE(QtPrompter().askYesNo(u"File <b>a.mp3</b> is already in playlist! Add again?"_s,
                                       u"Confirm"_s, MsgAnswer::No)); // Enter must not add it
    EXPECT_EQ(shown, u"plain: File <b>a.mp3</b> is already in playlist! Add again?");
    // A header report starts every value in one column.
    const QStringList values = {u"/music/Song.mp3"_s, u"128 kBits"_s, u"44,100"_s, u"Mono"_s};
    QList<qreal> lefts;
    whenShown([&](const QMessageBox& box) {
        const auto* label = box.findChild<QLabel*>(u"qt_msgbox_label"_s);
        QTextDocument shown;
        shown.setDefaultFont(label->font());
        shown.setHtml(label->text());
        for (const QString& value : values)
            lefts << shown.documentLayout()->blockBoundingRect(shown.find(value).block()).left();
    });
    QtPrompter().show({u"Filename:\t\t/music/Song.mp3\r\n\r\nBitrate:\t\t128 kBits\r\nFrequency:\t"
                       "44,100\r\nMode:\t\tMono\r\n"_s,
                       u"File Header"_s, MsgButtons::Ok, MsgIcon::Information, MsgAnswer::Ok,
                       true});
    ASSERT_EQ(lefts.size(), values.size());
    EXPECT_GT(lefts[0], 0) << "right of the captions";
    EXPECT_EQ(lefts, QList<qreal>(values.size(), lefts[0]));
}
