#include "mainwindow/DirList.h"
#include "mainwindow/FileList.h"
#include "mainwindow/frmMain.h"
#include "platform/QtPrompter.h"
#include "support/WindowFixture.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
class HeaderWindow : public WindowFixture {};
} // namespace

TEST_F(HeaderWindow, DoubleClickShowsTheReportAsATableOrSaysThereIsNoFrame) {
    const QString folder = makeFolder(u"music"_s);
    writeFile(u"music/Song.mp3"_s, QByteArray::fromHex("FFFB9064") + QByteArray(413, '\x55'));
    writeFile(u"music/Notes.mp3"_s, "not a song");
    writeFile(u"music/Wrapped.mp3"_s, "RIFF" + QByteArray(20, '\0')); // no "data": nothing shown
    frmMain w;
    ASSERT_TRUE(w.Dir1->setPath(folder));
    prompter.expectMessage();
    prompter.expectMessage();
    for (const QString& name : {u"Song.mp3"_s, u"Notes.mp3"_s, u"Wrapped.mp3"_s}) {
        w.File1->setCurrentItem(w.File1->findItems(name, Qt::MatchExactly).value(0));
        w.File1_DblClick();
    }
    ASSERT_EQ(prompter.shown().size(), 2u);
    const MessageBoxRequest& report = prompter.shown()[0];
    EXPECT_TRUE(report.text.startsWith(u"Filename:\t\t"_s + folder + u"/Song.mp3\r\n"_s));
    EXPECT_TRUE(report.tabular);
    EXPECT_EQ(describe(prompter.shown()[1]),
              u"[File Header] No MPEG audio frame header was found in "_s + folder +
                  u"/Notes.mp3. (OK, information)"_s);
}

TEST_F(HeaderWindow, TheRealBoxStartsEveryValueInOneColumn) {
    const QStringList values = {u"/music/Song.mp3"_s, u"128 kBits"_s, u"44,100"_s, u"Mono"_s};
    QList<qreal> lefts;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        const auto* label = box->findChild<QLabel*>(u"qt_msgbox_label"_s);
        QTextDocument shown;
        shown.setDefaultFont(label->font());
        shown.setHtml(label->text());
        for (const QString& value : values)
            lefts << shown.documentLayout()->blockBoundingRect(shown.find(value).block()).left();
        box->close();
    });
    QtPrompter().show({u"Filename:\t\t/music/Song.mp3\r\n\r\nBitrate:\t\t128 kBits\r\nFrequency:\t"
                       "44,100\r\nMode:\t\tMono\r\n"_s,
                       u"File Header"_s, MsgButtons::Ok, MsgIcon::Information, MsgAnswer::Ok,
                       true});
    ASSERT_EQ(lefts.size(), values.size());
    EXPECT_GT(lefts[0], 0) << "right of the captions";
    EXPECT_EQ(lefts, QList<qreal>(values.size(), lefts[0]));
}
