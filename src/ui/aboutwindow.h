#pragma once

#include "contacts.h"

#include <QDialog>
#include <QUrl>

class QGroupBox;
class QLabel;
class LinkLabel;
class QPushButton;
class UrlOpener;

// Where the program's author can be reached.
struct AuthorAddresses {
    QUrl homePage = QUrl(homePageAddress());
    QString webSite = homePageAddress();
    QString email = mailAddress();
};

// Names the program and its author, with a button to the home page and an e-mail label.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow(UrlOpener& opener, QWidget* mainWindow, AuthorAddresses addresses = {});

    // Puts the window on the main window's corner, once, at its creation.
    void placeOnMainWindow();

    void Command2_Click(); // the home page
    void Label5_Click();   // a new mail
    void Command1_Click(); // "Ok..."

protected:
    // Escape and the frame's close are the Ok button: the main window must not stay disabled.
    void reject() override { Command1_Click(); }

private:
    void buildCredits();
    void buildUpdates();
    void buildButtons();

    QLabel* Label2 = nullptr;        // program name
    QLabel* Label3 = nullptr;        // author credit
    QLabel* Label4 = nullptr;        // notice
    QGroupBox* Frame1 = nullptr;     // "Updates :"
    LinkLabel* Label1 = nullptr;     // web site, opens the home page
    LinkLabel* Label5 = nullptr;     // e-mail, opens a new mail
    QPushButton* Command2 = nullptr; // home page
    QPushButton* Command1 = nullptr; // "Ok..."

    UrlOpener& m_opener;
    QWidget* m_mainWindow;
    AuthorAddresses m_addresses;
};
