#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <utility>

// Makes a control of kind Control in parent, with its name and its fixed place (pixels, as
// twipsRect gives them). Extra arguments go to the control's constructor before the parent.
template <typename Control, typename... Args>
Control* placeControl(QWidget* parent, const QString& name, QRect place, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(name);
    control->setGeometry(place);
    return control;
}
