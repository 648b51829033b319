#pragma once

#include "gui/mainwindow/LayoutScale.h"

#include <QRect>
#include <QString>
#include <QWidget>
#include <utility>

// A small tool-window title bar with only a close box; such windows stay out of the task bar.
constexpr Qt::WindowFlags kToolWindowFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Names a secondary window, gives it its caption and fixes its client area (pixels at scale 1).
inline void fixWindow(QWidget& window, const QString& name, const QString& caption,
                      QSize clientArea) {
    window.setObjectName(name);
    window.setWindowTitle(caption);
    setClientArea(window, clientArea);
}

// Makes a control of kind Control in parent, with its name and its place (pixels at scale 1, as
// twipsRect gives them; scaleLayout grows it). Extra arguments go to the control's constructor
// before the parent.
template <typename Control, typename... Args>
Control* placeControl(QWidget* parent, const QString& name, QRect place, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(name);
    setPlace(*control, place);
    return control;
}
