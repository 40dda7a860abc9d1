#pragma once

#include <QString>

class QWidget;

// Every message box of the launcher goes through here, so tests can answer them.
class Prompter {
public:
    enum class Icon { None, Information, Critical };
    enum class Buttons { Ok, OkCancel, RetryCancel };
    enum class Answer { Ok, Cancel, Retry };

    virtual ~Prompter() = default;
    virtual Answer ask(QWidget* parent, const QString& title, const QString& text, Icon icon,
                       Buttons buttons) = 0;

    // The common case: a critical-stop box with one OK button.
    void critical(QWidget* parent, const QString& title, const QString& text) {
        ask(parent, title, text, Icon::Critical, Buttons::Ok);
    }
};
