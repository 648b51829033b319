#include "gui/tags/frmID.h"

#include "core/mp3/CurrentTag.h"
#include "core/mp3/GenreList.h"
#include "core/mp3/TagEdits.h"
#include "core/mp3/TagFileAccess.h"
#include "core/platform/DataFolder.h"
#include "core/platform/Prompter.h"
#include "core/platform/SharedState.h"
#include "core/playlist/Entry.h"
#include "core/text/TextFiles.h"
#include "gui/mainwindow/CenterForm.h"
#include "gui/mainwindow/PlaceControl.h"
#include "gui/mainwindow/Twips.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
frmID::ModalHook& modalHook() {
    static frmID::ModalHook hook;
    return hook;
}

struct Row {
    const char* caption;
    int labelTop;
    int boxTop;
    int boxWidth;
    int maxLength;
};

// Title, artist, album, year, comment and track, top to bottom, in twips.
constexpr Row kRows[6] = {
    {QT_TRANSLATE_NOOP("frmID", "Title :"), 180, 120, 2955, TagRecord::kTitleWidth},
    {QT_TRANSLATE_NOOP("frmID", "Artist :"), 540, 480, 2955, TagRecord::kArtistWidth},
    {QT_TRANSLATE_NOOP("frmID", "Album :"), 900, 840, 2955, TagRecord::kAlbumWidth},
    {QT_TRANSLATE_NOOP("frmID", "Year :"), 1260, 1200, 555, TagRecord::kYearWidth},
    {QT_TRANSLATE_NOOP("frmID", "Comment :"), 1620, 1560, 2955, TagRecord::kCommentWidth},
    {QT_TRANSLATE_NOOP("frmID", "Track* :"), 1980, 1920, 555, 2},
};

QLabel* rightAlignedLabel(QWidget* parent, int index, const QString& caption, int top) {
    auto* label = placeControl<QLabel>(parent, u"Label1_%1"_s.arg(index),
                                       twipsRect(120, top, 855, 195), caption);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return label;
}

Prompter& prompter() {
    return *shared().prompter;
}

// Asks before a save that would change what was typed (a "—" written as "?", a text cut to its
// field); true when nothing would change or the user agrees.
bool agreeToMisfits(const TagEdits& edits) {
    const QVector<TagMisfit> misfits = tagMisfits(edits);
    if (misfits.isEmpty())
        return true;
    QString text = QCoreApplication::translate(
        "frmID", "An ID3v1 tag holds only ISO-8859-1 characters, in fields of fixed width, "
                 "so these fields would not be saved as typed:\n");
    for (const TagMisfit& misfit : misfits) {
        const QString field = misfit.field.left(1).toUpper() + misfit.field.mid(1);
        text += u"\n"_s + field + u": \""_s + misfit.typed +
                QCoreApplication::translate("frmID", "\" would be saved as \"") + misfit.written +
                u"\""_s;
    }
    return prompter().askYesNo(text + QCoreApplication::translate("frmID", "\n\nSave anyway?"),
                               QCoreApplication::translate("frmID", "Confirm"), MsgAnswer::No);
}
} // namespace

frmID::frmID(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    fixWindow(*this, u"frmID"_s, tr("ID3 Tag"), {twipsToPixels(4215), twipsToPixels(3360)});
    setModal(true);
    buildControls();
    scaleLayout(*this);
}

void frmID::buildControls() {
    for (int i = 0; i < 6; ++i) {
        const Row& row = kRows[i];
        Label1[i] = rightAlignedLabel(this, i, tr(row.caption), row.labelTop);
        txtID[i] = placeControl<QLineEdit>(this, u"txtID_%1"_s.arg(i),
                                           twipsRect(1080, row.boxTop, row.boxWidth, 285));
        txtID[i]->setMaxLength(row.maxLength);
        Label1[i]->setBuddy(txtID[i]); // the box's name for a screen reader
    }
    Label1[6] = rightAlignedLabel(this, 6, tr("Genre :"), 2340);

    cboGenre = placeControl<QComboBox>(this, u"cboGenre"_s, twipsRect(1080, 2295, 2115, 315));
    cboGenre->setEditable(false);
    Label1[6]->setBuddy(cboGenre);
    cmdSave = placeControl<QPushButton>(this, u"cmdSave"_s, twipsRect(1080, 2880, 1395, 345),
                                        tr("Save Changes"));
    cmdSave->setAutoDefault(false);
    cmdExit =
        placeControl<QPushButton>(this, u"cmdExit"_s, twipsRect(2490, 2880, 975, 345), tr("Exit"));
    cmdExit->setAutoDefault(false);
    Label2 = placeControl<QLabel>(this, u"Label2"_s, twipsRect(1710, 1980, 2265, 195),
                                  tr("*Note: ID3v1.1 only"));
    QPalette grey = Label2->palette();
    grey.setColor(QPalette::WindowText, QColor(128, 128, 128));
    Label2->setPalette(grey);
    lblSource = placeControl<QLabel>(this, u"lblSource"_s, twipsRect(120, 2640, 3975, 195));
    lblSource->hide();

    QWidget* previous = txtID[0];
    for (QWidget* next : {static_cast<QWidget*>(txtID[1]), static_cast<QWidget*>(txtID[2]),
                          static_cast<QWidget*>(txtID[3]), static_cast<QWidget*>(txtID[4]),
                          static_cast<QWidget*>(txtID[5]), static_cast<QWidget*>(cboGenre),
                          static_cast<QWidget*>(cmdSave), static_cast<QWidget*>(cmdExit)}) {
        setTabOrder(previous, next);
        previous = next;
    }

    connect(cmdSave, &QPushButton::clicked, this, &frmID::cmdSave_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmID::cmdExit_Click);
}

void frmID::Form_Load() {
    CenterForm(*this);
    FillBox();
    ShowInfo();
}

void frmID::FillBox() {
    const QString path = findGenresFile(shared().programFolder(), installedDataFolder());
    if (path.isEmpty()) {
        prompter().inform(tr("File 'genres.txt' is missing."), tr("Problem"), MsgIcon::Exclamation);
        return;
    }
    cboGenre->clear();
    QString reason;
    const std::optional<QVector<Genre>> genres = readGenres(path, &reason);
    if (!genres) {
        prompter().inform(tr("File '") + path + tr("' can't be read: ") + reason + u"."_s,
                          tr("Problem"), MsgIcon::Exclamation);
        return;
    }
    for (const Genre& genre : *genres)
        cboGenre->addItem(genre.name, genre.number);
}

int frmID::GetGenre(int n) const {
    for (int i = 0; i < cboGenre->count(); ++i)
        if (cboGenre->itemData(i).toInt() == n)
            return i;
    return -1;
}

void frmID::ShowInfo() {
    const TagText text = decodeTag(CurrentTag);
    txtID[0]->setText(text.title);
    txtID[1]->setText(text.artist);
    txtID[2]->setText(text.album);
    txtID[3]->setText(text.year);
    txtID[4]->setText(text.comment);
    txtID[5]->setText(text.track ? QString::number(*text.track) : QString());
    cboGenre->setCurrentIndex(text.genre == 255 ? -1 : GetGenre(text.genre));
}

void frmID::cmdSave_Click() {
    const QString cantSave = tr("Can't save");
    const QString cantFind = tr("Can't find ") + TagFile + u"."_s;
    if (!FileExists(TagFile)) {
        prompter().inform(cantFind, cantSave, MsgIcon::Exclamation);
        return;
    }
    TagEdits edits{txtID[0]->text(), txtID[1]->text(), txtID[2]->text(), txtID[3]->text(),
                   txtID[4]->text(), txtID[5]->text(), std::nullopt};
    if (cboGenre->currentIndex() >= 0)
        edits.genre = static_cast<quint8>(cboGenre->currentData().toInt());
    const std::optional<TagRecord> edited = editedTag(CurrentTag, edits);
    if (!edited) {
        prompter().inform(tr("The track number must lie between 0 and 255."), cantSave,
                          MsgIcon::Exclamation);
        return;
    }
    if (!agreeToMisfits(edits))
        return; // the window stays open for the user to change the text
    CurrentTag = *edited;

    const TagSaveResult result = writeTag(TagFile, CurrentTag);
    switch (result.status) {
    case TagSaveStatus::Saved:
        prompter().inform(tr("Saved."), tr("Notice"), MsgIcon::Information);
        accept();
        return;
    case TagSaveStatus::Missing:
        prompter().inform(cantFind, cantSave, MsgIcon::Exclamation);
        return;
    case TagSaveStatus::BadLength:
        prompter().inform(tr("Error getting file length."), cantSave, MsgIcon::Information);
        return;
    case TagSaveStatus::Failed:
        break;
    }
    prompter().inform(tr("An error- ") + result.error + tr(", occurred while saving changes."),
                      tr("Unsuccessful"), MsgIcon::Exclamation);
}

void frmID::cmdExit_Click() {
    reject();
}

void frmID::showModal() {
    if (modalHook())
        modalHook()(*this);
    else
        exec();
}

void frmID::setModalHook(ModalHook hook) {
    modalHook() = std::move(hook);
}
