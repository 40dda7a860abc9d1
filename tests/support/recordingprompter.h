#pragma once

#include "prompter.h"

#include <QList>

// Answers message boxes on cue and remembers each one.
class RecordingPrompter : public Prompter {
public:
    struct Prompt {
        QString title;
        QString text;
        Icon icon;
        Buttons buttons;
    };

    Answer ask(QWidget* parent, const QString& title, const QString& text, Icon icon,
               Buttons buttons) override;

    QList<Prompt> m_prompts;
    QList<Answer> m_answers; // taken in order; Ok once they run out
};
