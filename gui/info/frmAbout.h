#pragma once

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QPushButton;

// Help, About: the program's name, version and purpose, the system information tool and the
// project's home page.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVer = nullptr;
    QLabel* lblDescription = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    std::array<QLabel*, 4> Label3{}; // elements 2 and 3 exist
    QLabel* lblURL = nullptr;
    std::array<QFrame*, 2> Line1{};
    QString address; // what lblURL opens; its caption may be shortened

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void lblURL_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
