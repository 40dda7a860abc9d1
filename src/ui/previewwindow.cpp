#include "previewwindow.h"
#include "messagetitles.h"

#include "dosboxenvironment.h"
#include "keyboardaccess.h"
#include "launchplan.h"
#include "prompter.h"
#include "windowshape.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include <functional>

namespace {

// The line with some of its blanks turned into line breaks, so that each piece fits: only a
// blank before an option ("-video 1" stays whole, its value included) or after the program
// name breaks. A piece that cannot fit stays whole. "Use it !" turns the breaks back into blanks.
QString wrapAtBlanks(QString line, const std::function<bool(const QString&)>& fits) {
    const auto breakable = [&](qsizetype i) {
        return line.at(i) == QLatin1Char(' ') &&
               (line.indexOf(QLatin1Char(' ')) == i ||
                (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('-')));
    };
    qsizetype start = 0, lastBreak = -1;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i < line.size() && !breakable(i))
            continue;
        if (!fits(line.mid(start, i - start)) && lastBreak > start) {
            line[lastBreak] = QLatin1Char('\n');
            start = lastBreak + 1;
        }
        lastBreak = i;
    }
    return line;
}

} // namespace

PreviewWindow::PreviewWindow(Prompter& prompter, DosEnvironment& dos, QWidget* mainWindow)
    : QDialog(nullptr), m_prompter(prompter), m_dos(dos), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("preview"));
    setWindowTitle(QStringLiteral("Zemplo Command Line Preview"));
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(8, 8, 384, 116);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The window breaks the line itself, at blanks only (Qt would break after a hyphen too).
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setToolTip(QStringLiteral("You can customize it !"));
    Text1->setTabChangesFocus(true); // a DOS command line holds no tabs
    nameForScreenReaders(Text1, QStringLiteral("Command line"), Text1->toolTip());
    Command2 = new QPushButton(QStringLiteral("Use it !"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(8, 132, 120, 28);
    Command1 = new QPushButton(QStringLiteral("Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(272, 132, 120, 28);
    connect(Command2, &QPushButton::clicked, this, &PreviewWindow::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &PreviewWindow::Command1_Click);
    setReadingOrder({Text1, Command2, Command1});
    pressButtonsOnReturn(this);
    shapeFixedWindow(this, QSize(400, 170), WindowKind::Secondary);
}

void PreviewWindow::showCommand(const DosSession& session) {
    m_session = session;
    const QFontMetrics metrics(Text1->font());
    // The box's own width: it is fixed, and known before the window is first shown.
    const int room = Text1->width() - 2 * Text1->frameWidth() -
                     Text1->verticalScrollBar()->sizeHint().width() -
                     2 * int(Text1->document()->documentMargin()) - metrics.averageCharWidth();
    Text1->setPlainText(wrapAtBlanks(session.commandLine, [&](const QString& line) {
        return metrics.horizontalAdvance(line) <= room;
    }));
    belongToMainWindow(this, m_mainWindow);
    show();
    raise();
    activateWindow();
}

void PreviewWindow::Command2_Click() {
    DosSession session = m_session;
    // A DOS command is one line; line breaks typed into the box join its parts.
    session.commandLine = Text1->toPlainText().replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (session.commandLine.trimmed().isEmpty()) {
        m_prompter.critical(
            this, messageTitle(MessageTitle::NotStarted),
            QStringLiteral("The command line is empty: there is nothing to start."));
        return;
    }
    if (const std::optional<LaunchMessage> problem = commandLineProblem(session.commandLine)) {
        m_prompter.critical(this, problem->title, problem->text);
        return;
    }
    const QString error = m_dos.start(session);
    if (!error.isEmpty())
        m_prompter.critical(this, messageTitle(MessageTitle::NotStarted), error);
}

void PreviewWindow::Command1_Click() {
    hide();
    m_mainWindow->setEnabled(true);
    returnKeyboardTo(m_mainWindow);
}
