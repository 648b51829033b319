#include "app/frmOptions.h"
#include "mainwindow/frmMain.h"
#include "support/TextFits.h"
#include "support/WindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QRadioButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
class Options : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        shared().settings = std::make_unique<IniFiler>(iniPath());
    }
    // The box, the style chosen and the path mode chosen, as "1 0 2".
    static QString shown(const frmOptions& d) {
        const auto chosen = [](const auto& group) {
            for (size_t i = 0; i < group.size(); ++i)
                if (group[i]->isChecked())
                    return int(i);
            return -1;
        };
        return u"%1 %2 %3"_s.arg(int(d.chkGeneral[0]->isChecked()))
            .arg(chosen(d.optStyle))
            .arg(chosen(d.optUsePath));
    }
};
} // namespace

TEST_F(Options, ASmallToolWindowShowingWhatTheProgramActsOn) {
    writeFile(u"velmora.ini"_s, "[Options]\r\nRemember=01\r\nStyle=1\r\n[Paths]\r\nUsePaths=0\r\n");
    frmOptions d;
    EXPECT_EQ(d.windowTitle(), u"Configuration Options");
    EXPECT_TRUE(d.windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(clippedTexts(d), QStringList());
    EXPECT_EQ(shown(d), u"0 1 0") << "01 is not remembered, so it is not ticked either";
    QFile::remove(iniPath());
    EXPECT_EQ(shown(frmOptions()), u"1 0 2");
}

TEST_F(Options, AsksOnlyAfterAClickAndNoWritesNothing) {
    {
        frmOptions untouched;
        untouched.show();
        untouched.close();
    }
    EXPECT_FALSE(QFile::exists(iniPath())) << "not even created";
    const QByteArray stored = "[Options]\r\nStyle=0\r\n";
    writeFile(u"velmora.ini"_s, stored);
    frmOptions d;
    d.show();
    d.optUsePath[2]->click(); // the one already selected
    prompter.answerNo();
    d.close();
    EXPECT_EQ(describe(prompter.last()), u"[Confirm] Save options? (Yes/No, question)");
    EXPECT_EQ(readFile(iniPath()), stored);
}

TEST_F(Options, YesWritesTheChoicesAndTheStyleInMemory) {
    frmOptions d;
    d.show();
    d.chkGeneral[0]->click();
    d.optStyle[1]->click();
    d.optUsePath[1]->click();
    prompter.answerYes();
    d.reject(); // Escape closes as the close box does
    EXPECT_EQ(readFile(iniPath()),
              "[Options]\r\nRemember=0\r\nStyle=1\r\n[Paths]\r\nUsePaths=1\r\n");
    EXPECT_EQ(shared().style, 1);
}

TEST_F(Options, TheMenuEntryShowsAFreshModalDialog) {
    frmMain w;
    QStringList seen;
    const auto lookAndClose = [&] {
        auto* d = qobject_cast<frmOptions*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        seen << shown(*d);
        if (seen.size() == 1) {
            d->optStyle[1]->click();
            prompter.answerYes();
        }
        d->close();
    };
    for (int i = 0; i < 2; ++i) {
        QTimer::singleShot(0, &w, lookAndClose);
        w.mnuConfig_Click();
    }
    EXPECT_EQ(seen, (QStringList{u"1 0 2"_s, u"1 1 2"_s})) << "the second loads what was saved";
}
