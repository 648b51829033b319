#pragma once

#include <QDialog>
#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The tag window: shows CurrentTag in six text boxes and the genre list, and saves it to the
// song named by TagFile. Each opening makes a fresh window; Form_Load fills it.
class frmID : public QDialog {
    Q_OBJECT
public:
    explicit frmID(QWidget* parent = nullptr);

    std::array<QLabel*, 7> Label1{};
    std::array<QLineEdit*, 6> txtID{}; // title, artist, album, year, comment, track
    QComboBox* cboGenre = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* Label2 = nullptr;
    // Says where the values of a tag being added came from; hidden when they came from no tag.
    QLabel* lblSource = nullptr;

    // Centres the window, then fills the genre list and the boxes.
    void Form_Load();
    void FillBox();
    void ShowInfo();
    // The position in cboGenre of the first entry with genre number n; -1 when none has it.
    int GetGenre(int n) const;
    void cmdSave_Click();
    void cmdExit_Click();

    // Shows the window modally and returns once it is closed.
    void showModal();

    // While a hook is set, showModal() hands the window to it instead of waiting for a person,
    // so tests can act on the open window and close it. An empty hook restores the real thing.
    using ModalHook = std::function<void(frmID&)>;
    static void setModalHook(ModalHook hook);

private:
    void buildControls();
};
