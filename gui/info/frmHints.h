#pragma once

#include <QDialog>
#include <array>

class QLabel;

// Help, Hints: a fixed page of usage hints, centred on the screen whenever it opens.
class frmHints : public QDialog {
    Q_OBJECT
public:
    explicit frmHints(QWidget* parent = nullptr);

    std::array<QLabel*, 11> Label1{};

    void Form_Load();
};
