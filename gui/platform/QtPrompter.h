#pragma once

#include "core/platform/Prompter.h"

class QWidget;

class QtPrompter : public Prompter {
public:
    MsgAnswer show(const MessageBoxRequest& box) override;
};
