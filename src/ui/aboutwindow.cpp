#include "aboutwindow.h"

#include "version.h"

#include "urlopener.h"

#include "keyboardaccess.h"
#include "linklabel.h"
#include "named.h"
#include "windowshape.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

AboutWindow::AboutWindow(UrlOpener& opener, QWidget* mainWindow, AuthorAddresses addresses)
    : QDialog(nullptr), m_opener(opener), m_mainWindow(mainWindow),
      m_addresses(std::move(addresses)) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About..."));
    setFont(mainWindow->font());
    buildCredits();
    buildUpdates();
    buildButtons();
    shapeFixedWindow(this, QSize(300, 230), WindowKind::Secondary);
}

// The program's name, its author and version, its terms.
void AboutWindow::buildCredits() {
    Label2 = named(new QLabel(QStringLiteral("Zemplo for Windows 95"), this), "Label2",
                   QRect(10, 10, 280, 24));
    QFont title = Label2->font();
    title.setPixelSize(18);
    title.setBold(true);
    Label2->setFont(title);
    Label2->setAlignment(Qt::AlignCenter);
    Label3 = named(
        new QLabel(
            QStringLiteral("Written by Korvid - Version %1 for VGB-DOS 0.85").arg(kProductVersion),
            this),
        "Label3", QRect(10, 38, 280, 18));
    Label3->setAlignment(Qt::AlignCenter);
    Label4 = named(
        new QLabel(QStringLiteral("This program is freeware: share it, never sell it."), this),
        "Label4", QRect(10, 58, 280, 18));
    Label4->setAlignment(Qt::AlignCenter);
}

// Where updates are found: the web site, and the author's address as a link.
void AboutWindow::buildUpdates() {
    Frame1 =
        named(new QGroupBox(QStringLiteral("Updates :"), this), "Frame1", QRect(10, 82, 280, 64));
    Label1 = named(new LinkLabel(m_addresses.webSite, Frame1), "Label1", QRect(8, 18, 264, 18));
    Label5 = named(new LinkLabel(QStringLiteral("E-Mail: ") + m_addresses.email, Frame1), "Label5",
                   QRect(8, 38, 264, 18));
    connect(Label1, &LinkLabel::activated, this, &AboutWindow::Command2_Click);
    connect(Label5, &LinkLabel::activated, this, &AboutWindow::Label5_Click);
    nameForScreenReaders(Label1, Label1->text(), QStringLiteral("Visit the home page"));
    nameForScreenReaders(Label5, Label5->text(), QStringLiteral("Write to the author"));
}

void AboutWindow::buildButtons() {
    Command2 = named(new QPushButton(QStringLiteral("Go to the Rorizor site !"), this), "Command2",
                     QRect(10, 156, 280, 28));
    Command1 =
        named(new QPushButton(QStringLiteral("Ok..."), this), "Command1", QRect(100, 192, 100, 28));
    connect(Command2, &QPushButton::clicked, this, &AboutWindow::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &AboutWindow::Command1_Click);
    setReadingOrder({Label1, Label5, Command2, Command1});
    pressButtonsOnReturn(this);
}

void AboutWindow::placeOnMainWindow() {
    if (platformPlacesWindows()) // elsewhere the compositor places it over the main window
        move(m_mainWindow->pos());
}

void AboutWindow::Command2_Click() {
    m_opener.open(m_addresses.homePage);
}

void AboutWindow::Label5_Click() {
    m_opener.open(QUrl(QStringLiteral("mailto:") + m_addresses.email));
}

void AboutWindow::Command1_Click() {
    hide();
    m_mainWindow->setEnabled(true);
    returnKeyboardTo(m_mainWindow);
}
