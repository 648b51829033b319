#pragma once

#include "gui/info/frmAbout.h"
#include "gui/info/frmHints.h"
#include "gui/info/frmOptions.h"
#include "gui/mainwindow/frmMain.h"
#include "gui/tags/frmID.h"

#include <array>

// One of each of the program's windows, for the tests that look at them all alike.
struct EveryWindow {
    frmMain main;
    frmOptions options;
    frmAbout about;
    frmHints hints;
    frmID tag;
    std::array<QWidget*, 5> all() { return {&main, &options, &about, &hints, &tag}; }
};
