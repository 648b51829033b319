#pragma once

#include <QItemSelectionModel>
#include <QListView>

class PlaylistModel;

// The playlist list (lstSelected): shows the playlist model's entries, one per row, with
// extended multi-selection. Every row is as wide as the widest entry, so that long entries can
// be scrolled into view sideways. An entry whose song is missing is dimmed.
class PlaylistView : public QListView {
    Q_OBJECT
public:
    explicit PlaylistView(PlaylistModel& playlist, QWidget* parent = nullptr);

    int count() const;
    // The current entry's row; -1 when there is none.
    int currentRow() const;
    // Makes row the current entry, changing the selection as command says (by default the entry
    // is selected as well, as a click with Ctrl would).
    void
    setCurrentRow(int row,
                  QItemSelectionModel::SelectionFlags command = QItemSelectionModel::SelectCurrent);
    // Removes the selected entries; nothing is selected afterwards.
    void removeSelected();
    // One flag per entry, true where the entry is selected (as selectionFlags gives them). Kept
    // up to date change by change, so that reading it after a small change costs nothing.
    const QVector<bool>& selectedFlags() const;

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = {}) override;

private:
    void noteSelectionChange(const QItemSelection& selected, const QItemSelection& deselected);

    PlaylistModel& playlist_;
    mutable QVector<bool> selected_; // the selection as flags, while selectedKnown_
    mutable bool selectedKnown_ = false;
};
