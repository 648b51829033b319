#include "gui/playlist/PlaylistView.h"

#include "core/playlist/PlaylistModel.h"
#include "gui/mainwindow/ListSelection.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {
// The text colour of a row whose song is missing: the list's cyan dimmed to a grey that still
// reads well on its black background.
const QColor kMissingColour(136, 136, 136);

// All rows get one size, so that showing tens of thousands of entries measures one entry, not
// each of them: the entry with the most characters, with room for a few more, since in a
// proportional font a shorter text can be the wider one. Missing songs are drawn dimmed.
class WidestEntryDelegate : public QStyledItemDelegate {
public:
    WidestEntryDelegate(const PlaylistModel& playlist, QObject* parent)
        : QStyledItemDelegate(parent), playlist_(playlist) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const int longest = playlist_.longestRow();
        if (longest < 0)
            return QStyledItemDelegate::sizeHint(option, index);
        QSize size = QStyledItemDelegate::sizeHint(option, playlist_.index(longest));
        size.rwidth() += 4 * option.fontMetrics.averageCharWidth();
        return size;
    }

    // The current entry is outlined whether or not the list has the focus: it is the one that
    // Move up and Move down move. The style's own focus mark would vanish with the focus.
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
        const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        if (!view || view->currentIndex() != index)
            return;
        painter->save();
        painter->setPen(QPen(option.palette.color(QPalette::Text), 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(PlaylistModel::MissingRole).toBool())
            option->palette.setColor(QPalette::Text, kMissingColour);
    }

private:
    const PlaylistModel& playlist_;
};
} // namespace

PlaylistView::PlaylistView(PlaylistModel& playlist, QWidget* parent)
    : QListView(parent), playlist_(playlist) {
    setModel(&playlist);
    setItemDelegate(new WidestEntryDelegate(playlist, this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &PlaylistView::noteSelectionChange);
    // Entries that come, go or move renumber the rows (and Qt moves their selection without a
    // word): the flags are read afresh when next asked for.
    const auto forget = [this] { selectedKnown_ = false; };
    connect(&playlist, &QAbstractItemModel::rowsInserted, this, forget);
    connect(&playlist, &QAbstractItemModel::rowsRemoved, this, forget);
    connect(&playlist, &QAbstractItemModel::rowsMoved, this, forget);
    connect(&playlist, &QAbstractItemModel::layoutChanged, this, forget);
    connect(&playlist, &QAbstractItemModel::modelReset, this, forget);
}

const QVector<bool>& PlaylistView::selectedFlags() const {
    if (!selectedKnown_) {
        selected_ = selectionFlags(*this);
        selectedKnown_ = true;
    }
    return selected_;
}

void PlaylistView::noteSelectionChange(const QItemSelection& selected,
                                       const QItemSelection& deselected) {
    if (!selectedKnown_)
        return;
    const auto mark = [this](const QItemSelection& ranges, bool value) {
        for (const QItemSelectionRange& range : ranges)
            for (int row = std::max(range.top(), 0);
                 row <= range.bottom() && row < selected_.size(); ++row)
                selected_[row] = value;
    };
    mark(deselected, false);
    mark(selected, true);
}

// A change of rows' data (two entries trading places, a missing mark) keeps the widest entry
// that sizes every row, so the rows stay where they are and only the changed ones are drawn
// again. QListView would lay out all of them anew, a pass over the whole playlist per change.
void PlaylistView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                               const QList<int>& roles) {
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
}

int PlaylistView::count() const {
    return playlist_.count();
}

int PlaylistView::currentRow() const {
    return currentIndex().row();
}

void PlaylistView::setCurrentRow(int row, QItemSelectionModel::SelectionFlags command) {
    selectionModel()->setCurrentIndex(playlist_.index(row), command);
}

void PlaylistView::removeSelected() {
    const QVector<bool> selected = selectedFlags();
    // The current entry stays where the user was working: it keeps its own entry, or, when that
    // went, the entry that now stands in its place (the last one at the end of the list).
    // Left to Qt it would follow the removed rows, gathered at the end before they go.
    const int current = currentRow();
    int currentAfter = current;
    for (int row = 0; row < current && row < selected.size(); ++row)
        currentAfter -= selected[row] ? 1 : 0;
    // Unselected first: every removal would otherwise move the bookmarks of the selection.
    unselectAll(*this);
    playlist_.remove(selected);
    if (current >= 0 && count() > 0)
        setCurrentRow(std::min(currentAfter, count() - 1), QItemSelectionModel::NoUpdate);
}
