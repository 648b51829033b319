#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/frmMain.h"

#include <QLabel>

using namespace Qt::StringLiterals;

// The counters are polled by the timer rather than updated by every change to the lists, and
// written only when their text changes, so the status row is not redrawn every two seconds.
namespace {
void showCount(QLabel& label, int count, const QString& what) {
    const QString text = QString::number(count) + what;
    if (label.text() != text)
        label.setText(text);
}
} // namespace

void frmMain::Timer1_Timer() {
    showCount(*lblCount, File1->count(), tr(" available"));
    showCount(*lblSelected, lstSelected->count(), tr(" in playlist"));
}
