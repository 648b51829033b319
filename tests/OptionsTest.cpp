#include "app/IniFiler.h"
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
    // What the dialog shows: the box, the style chosen, the path mode chosen.
    static std::tuple<bool, int, int> shown(const frmOptions& d) {
        int style = -1, usePath = -1;
        for (int i = 0; i < 2; ++i)
            if (d.optStyle[i]->isChecked())
                style = i;
        for (int i = 0; i < 3; ++i)
            if (d.optUsePath[i]->isChecked())
                usePath = i;
        return {d.chkGeneral[0]->isChecked(), style, usePath};
    }
    std::tuple<bool, int, int> shownFor(const QByteArray& ini) {
        writeFile(u"velmora.ini"_s, ini);
        frmOptions d;
        d.show();
        const auto values = shown(d);
        d.close();
        return values;
    }
};
} // namespace

TEST_F(Options, ASmallToolWindowWhoseTextsFit) {
    frmOptions d;
    EXPECT_EQ(d.windowTitle(), u"Configuration Options");
    EXPECT_EQ(d.optUsePath[0]->parentWidget(), d.Frame1) << "each group is one set of choices";
    EXPECT_EQ(d.optStyle[0]->parentWidget(), d.Frame2);
    EXPECT_TRUE(d.windowFlags().testFlag(Qt::Tool));
    EXPECT_FALSE(d.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(d.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(clippedTexts(d), QStringList());
}

TEST_F(Options, ShowsTheStoredValuesOrTheChoiceTheProgramActsOn) {
    using V = std::tuple<bool, int, int>;
    EXPECT_EQ(shownFor(""), V(true, 0, 2)) << "a file without keys shows the defaults";
    EXPECT_EQ(shownFor("[Options]\r\nRemember=0\r\nStyle=1\r\n[Paths]\r\nUsePaths=0\r\n"),
              V(false, 1, 0));
    EXPECT_EQ(shownFor("[Paths]\r\nUsePaths=1\r\n"), V(true, 0, 1));
    // Hand-edited values that name no choice.
    EXPECT_EQ(shownFor("[Options]\r\nRemember=2\r\nStyle=2\r\n[Paths]\r\nUsePaths=7\r\n"),
              V(true, 0, 2));
    EXPECT_EQ(shownFor("[Options]\r\nRemember=-1\r\nStyle=-1\r\n[Paths]\r\nUsePaths=-1\r\n"),
              V(true, 0, 2));
    EXPECT_EQ(shownFor("[Options]\r\nRemember=yes\r\nStyle=pls\r\n[Paths]\r\nUsePaths=all\r\n"),
              V(false, 0, 0))
        << "text that is not a number reads as 0";
    EXPECT_EQ(shownFor("[Options]\r\nRemember=0.4\r\nStyle=1.4\r\n"), V(false, 1, 2));
}

TEST_F(Options, ClosingWithoutAClickWritesNothingAndAsksNothing) {
    {
        frmOptions d;
        d.show();
        d.close();
    }
    EXPECT_FALSE(QFile::exists(iniPath())) << "not even created";

    const QByteArray stored = "[Options]\r\nRemember=2\r\nStyle=5\r\n[Paths]\r\nUsePaths=9\r\n";
    writeFile(u"velmora.ini"_s, stored);
    frmOptions d;
    d.show();
    d.reject(); // Escape
    EXPECT_EQ(readFile(iniPath()), stored) << "odd values stay as they were";
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(Options, AnyClickAsksAndNoChangesNothing) {
    const QByteArray stored = "[Options]\r\nStyle=0\r\n";
    writeFile(u"velmora.ini"_s, stored);
    for (int round = 0; round < 3; ++round) {
        frmOptions d;
        d.show();
        EXPECT_FALSE(d.changed());
        if (round == 0) {
            d.optStyle[1]->click();
            d.optStyle[0]->click(); // back to the value shown
        } else if (round == 1) {
            d.chkGeneral[0]->click();
            d.chkGeneral[0]->click();
        } else {
            d.optUsePath[2]->click(); // the one already selected
        }
        EXPECT_TRUE(d.changed());
        prompter.answerNo();
        d.close();
        ASSERT_EQ(prompter.shown().size(), static_cast<size_t>(round + 1));
        const MessageBoxRequest& box = prompter.last();
        EXPECT_EQ(box.text, u"Save options?");
        EXPECT_EQ(box.title, u"Confirm");
        EXPECT_EQ(box.buttons, MsgButtons::YesNo);
        EXPECT_EQ(box.icon, MsgIcon::Question);
        EXPECT_EQ(readFile(iniPath()), stored);
        EXPECT_EQ(shared().style, 0);
    }
}

TEST_F(Options, YesWritesRememberStyleAndUsePathsInThatOrder) {
    shared().style = 0;
    frmOptions d;
    d.show();
    d.chkGeneral[0]->click();
    d.optStyle[1]->click();
    d.optUsePath[1]->click();
    prompter.answerYes();
    d.close();
    // New keys go at the end of their section and new sections at the end of the file, so the
    // file shows the order of the writes.
    EXPECT_EQ(readFile(iniPath()),
              "[Options]\r\nRemember=0\r\nStyle=1\r\n[Paths]\r\nUsePaths=1\r\n");
    EXPECT_EQ(shared().style, 1);

    // And back: every key rewritten in place, comments kept.
    writeFile(u"velmora.ini"_s, "; mine\r\n[Paths]\r\nUsePaths=1\r\n[Options]\r\nStyle=1\r\n"
                                "Remember=0\r\nLast=/music\r\n");
    frmOptions again;
    again.show();
    again.chkGeneral[0]->click();
    again.optStyle[0]->click();
    again.optUsePath[2]->click();
    prompter.answerYes();
    again.reject();
    EXPECT_EQ(readFile(iniPath()), "; mine\r\n[Paths]\r\nUsePaths=2\r\n[Options]\r\nStyle=0\r\n"
                                   "Remember=1\r\nLast=/music\r\n");
    EXPECT_EQ(shared().style, 0);
}

TEST_F(Options, TheMenuEntryShowsAFreshModalDialog) {
    frmMain w;
    int opened = 0;
    const auto checkAndClose = [&] {
        auto* d = qobject_cast<frmOptions*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        ++opened;
        EXPECT_FALSE(d->changed());
        EXPECT_TRUE(d->optStyle[opened == 1 ? 0 : 1]->isChecked());
        if (opened == 1) {
            d->optStyle[1]->click();
            prompter.answerYes();
        }
        d->close();
    };
    QTimer::singleShot(0, &w, checkAndClose);
    w.mnuConfig_Click();
    QTimer::singleShot(0, &w, checkAndClose); // loads what the first one saved
    w.mnuConfig_Click();
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(prompter.shown().size(), 1u);
}
