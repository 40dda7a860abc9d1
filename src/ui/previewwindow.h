#pragma once

#include "dossession.h"

#include <QDialog>

class DosEnvironment;
class Prompter;
class QPlainTextEdit;
class QPushButton;

// Shows the finished command line of a launch in preview mode; the user may edit it and start
// it as many times as they like.
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    PreviewWindow(Prompter& prompter, DosEnvironment& dos, QWidget* mainWindow);

    // Puts the launch's command line into the text box; the drives stay for "Use it !".
    void showCommand(const DosSession& session);

    void Command2_Click(); // "Use it !"
    void Command1_Click(); // "Close"

    QPlainTextEdit* Text1 = nullptr; // the command line
    QPushButton* Command2 = nullptr; // "Use it !"
    QPushButton* Command1 = nullptr; // "Close"

protected:
    // Escape and the frame's close hide it: the main window must not stay disabled.
    void reject() override { Command1_Click(); }

private:
    Prompter& m_prompter;
    DosEnvironment& m_dos;
    QWidget* m_mainWindow;
    DosSession m_session;
};
