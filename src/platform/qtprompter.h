#pragma once

#include "prompter.h"

// Modal message boxes.
class QtPrompter : public Prompter {
public:
    Answer ask(QWidget* parent, const QString& title, const QString& text, Icon icon,
               Buttons buttons) override;
};
