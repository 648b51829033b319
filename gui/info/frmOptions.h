#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QRadioButton;

// Tools, Options: playlist style, folder memory and path mode, as stored in the settings file.
// The close box is the only way out; closing after any click asks whether to save.
class frmOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(QWidget* parent = nullptr);

    QGroupBox* Frame2 = nullptr;
    std::array<QCheckBox*, 1> chkGeneral{};
    std::array<QRadioButton*, 2> optStyle{};
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 3> optUsePath{};

    void Form_Load();
    void Form_Unload();
    void chkGeneral_Click(int Index);
    void optStyle_Click(int Index);
    void optUsePath_Click(int Index);

    bool changed() const { return changed_; }

    // Every way of closing (close box, Escape) passes here, so the question is never skipped.
    void done(int result) override;

private:
    bool changed_ = false;
    bool unloaded_ = false;
};
