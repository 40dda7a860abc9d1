#include "recordingprompter.h"

Prompter::Answer RecordingPrompter::ask(QWidget*, const QString& title, const QString& text,
                                        Icon icon, Buttons buttons) {
    m_prompts.append({title, text, icon, buttons});
    return m_answers.isEmpty() ? Answer::Ok : m_answers.takeFirst();
}
