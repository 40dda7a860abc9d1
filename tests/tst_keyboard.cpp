// Every window by keyboard alone, and what a screen reader is told of each control.
#include "aboutwindow.h"
#include "control.h"
#include "gamefileselector.h"
#include "launcherwindows.h"
#include "padfixture.h"
#include "paletwindow.h"
#include "picturebox.h"
#include "previewwindow.h"
#include "recordingopener.h"
#include "romimage.h"
#include "scratchfolder.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The control the keyboard is on.
QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(none)");
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tabWalksTheReadingOrder_data();
    void tabWalksTheReadingOrder();
    void keysDoWhatClicksDo_data();
    void keysDoWhatClicksDo();
    void focusLightsAnImageButtonAndShowsItsHint();
    void everyActionableControlHasARoleAndAName_data();
    void everyActionableControlHasARoleAndAName();

private:
    // Opens the window as its user would and gives it the keyboard.
    QWidget* open(const QString& window);
    void focusOn(QWidget* window, const char* name);

    std::unique_ptr<ScratchFolder> m_dir;
    std::unique_ptr<PadFixture> f;
    RecordingOpener m_opener;
    std::unique_ptr<LauncherWindows> m_windows;
    QString m_savedCwd;
};

void KeyboardTest::init() {
    m_savedCwd = QDir::currentPath();
    m_dir = std::make_unique<ScratchFolder>(QStringList{"emu", "roms/sub"});
    touch(m_dir->filePath("emu/VGB.EXE"));
    QVERIFY(writeFile(m_dir->filePath("roms/PUZZLE.GB"), romImage("PUZZLE", 0, 0)));
    QVERIFY(writeFile(m_dir->filePath("roms/TETRIS.GB"), romImage("TETRIS", 0, 0)));
    QDir::setCurrent(m_dir->filePath("roms")); // where the selection windows start
    f = std::make_unique<PadFixture>();
    m_windows = std::make_unique<LauncherWindows>(*f->pad, m_opener, f->prompter);
    f->pad->setWindows(m_windows->padWindows());
    QVERIFY(f->pad->Form_Load(QString())); // first use: volume 10, ifreq 60
    f->pad->setEmulatorPath(m_dir->filePath("emu/VGB.EXE"));
    f->pad->setRomPath(m_dir->filePath("roms/PUZZLE.GB"));
}

void KeyboardTest::cleanup() {
    m_windows.reset();
    f.reset();
    QDir::setCurrent(m_savedCwd);
}

QWidget* KeyboardTest::open(const QString& window) {
    // Each window opened by its button on the main window, as a user opens it.
    static const QHash<QString, const char*> openedBy = {
        {"GameFileSelector", "Picture3"}, {"EXE_FileSelector", "Picture4"},
        {"ParamFileSaver", "Picture8"},   {"About", "Picture7"},
        {"preview", "Picture5"},          {"Palet", "Command2"}};
    f->pad->show();
    f->control<QCheckBox>("Check6")->setChecked(window == "preview");
    if (openedBy.contains(window))
        QTest::mouseClick(f->control(openedBy.value(window)), Qt::LeftButton);
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    QWidget* w = *std::find_if(windows.begin(), windows.end(), [&](QWidget* top) {
        return top->objectName() == window && top->isVisible();
    });
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w))
        qWarning("%s did not become active", qPrintable(window));
    return w;
}

void KeyboardTest::focusOn(QWidget* window, const char* name) {
    control<QWidget>(window, name)->setFocus(Qt::TabFocusReason);
}

// ---- Tab ----

void KeyboardTest::tabWalksTheReadingOrder_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    const QString browsing = "drive1 Dir1 File1 text1 COmmand1 Command2";
    const std::pair<const char*, QString> orders[] = {
        {"Pad", "Text1 Picture3 Text2 Combo4 Combo5 Combo6 Combo3 Combo1 Text3 Text5 volume "
                "Check1 Check2 Check7 Text7 Text6 Text8 Text9 Check3 Check5 Check4 ifreq "
                "Command2 Command5 text10 Picture22 Text4 Picture4 Check6 Picture2 Picture9 "
                "Picture8 Picture5 Picture6 Picture7"},
        {"GameFileSelector", browsing + " Text2 Text3 Text4 Combo1 Check1 Command3"},
        {"EXE_FileSelector", browsing},
        {"ParamFileSaver", browsing},
        {"About", "Label1 Label5 Command2 Command1"},
        {"preview", "Text1 Command2 Command1"},
        {"Palet", "Text2 HScroll1 HScroll2 HScroll3 Command1 Command2 Command3 Command4 Command5 "
                  "Command6 Command7 Command8 Command13 Command14 Command15 Command16 Command9 "
                  "Command10 Command11 Command12 HScroll4 Command20 Command21 Command17 "
                  "Command19 Command18"},
    };
    for (const auto& [window, order] : orders)
        QTest::newRow(window) << window << order.split(' ');
}

void KeyboardTest::tabWalksTheReadingOrder() {
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    QWidget* w = open(window);
    focusOn(w, qPrintable(order.first()));
    QStringList forwards{focusName()}, backwards{focusName()};
    for (int i = 0; i < order.size(); ++i) {
        press(Qt::Key_Tab);
        forwards << focusName();
    }
    for (int i = 0; i < order.size(); ++i) {
        press(Qt::Key_Tab, Qt::ShiftModifier);
        backwards.prepend(focusName());
    }
    // Round and round: after the last control the first comes again, and back the same way.
    QCOMPARE(forwards, order + QStringList{order.first()});
    QCOMPARE(backwards, order + QStringList{order.first()});
}

// ---- Keys ----

void KeyboardTest::keysDoWhatClicksDo_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("effect"); // what the user sees afterwards, checked below
    struct Row {
        const char* window;
        const char* name;
        Qt::Key key;
        const char* effect;
    };
    const Row rows[] = {
        {"Pad", "Picture5", Qt::Key_Space, "started"},
        {"Pad", "Picture5", Qt::Key_Return, "started"},
        {"Pad", "Picture6", Qt::Key_Return, "quit"},
        {"Pad", "Picture7", Qt::Key_Space, "About shown"},
        {"Pad", "Picture3", Qt::Key_Return, "ROM window shown"},
        {"Pad", "Command2", Qt::Key_Return, "wizard open"},
        {"Pad", "Combo4", Qt::Key_Tab, "digit shown"},
        {"Pad", "volume", Qt::Key_Right, "volume 11"},
        {"Pad", "volume", Qt::Key_PageDown, "volume 11"},
        {"Pad", "volume", Qt::Key_Left, "volume 9"},
        {"Pad", "volume", Qt::Key_PageUp, "volume 9"},
        {"Pad", "volume", Qt::Key_End, "volume 15"},
        {"Pad", "volume", Qt::Key_Home, "volume 0"},
        {"Pad", "ifreq", Qt::Key_End, "ifreq 100"},
        {"GameFileSelector", "File1", Qt::Key_Down, "header of TETRIS"},
        {"GameFileSelector", "File1", Qt::Key_Return, "ROM selected"},
        {"GameFileSelector", "Dir1", Qt::Key_S, "folder opened"}, // its first letter, Return
        {"GameFileSelector", "text1", Qt::Key_Escape, "cancelled"},
        {"GameFileSelector", "File1", Qt::Key_Escape, "cancelled"},
        {"GameFileSelector", "Combo1", Qt::Key_Escape, "cancelled"},
        {"ParamFileSaver", "drive1", Qt::Key_Escape, "cancelled"},
        {"About", "Label5", Qt::Key_Return, "mail opened"},
        {"About", "Label1", Qt::Key_Space, "home page opened"},
        {"About", "Command2", Qt::Key_Escape, "cancelled"},
        {"About", "Command1", Qt::Key_Return, "cancelled"}, // a dialog's button takes Return
        {"GameFileSelector", "Command2", Qt::Key_Return, "cancelled"},
        {"preview", "Text1", Qt::Key_Escape, "cancelled"},
        {"Palet", "HScroll1", Qt::Key_Right, "#010000"},
        {"Palet", "HScroll4", Qt::Key_Escape, "main window back"},
    };
    for (const Row& row : rows)
        QTest::addRow("%s %s %s", row.window, row.name,
                      qPrintable(QKeySequence(row.key).toString()))
            << row.window << row.name << int(row.key) << row.effect;
}

void KeyboardTest::keysDoWhatClicksDo() {
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(int, key);
    QFETCH(QString, effect);
    QWidget* w = open(window);
    focusOn(w, qPrintable(name));
    QCOMPARE(focusName(), name);
    QSignalSpy quit(f->pad.get(), &Pad::quitRequested);
    m_opener.m_urls.clear(); // what an earlier row opened
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

    const QString roms = m_dir->filePath("roms");
    if (effect == "started") {
        QCOMPARE(f->dos.m_sessions.size(), 1);
    } else if (effect == "quit") {
        QCOMPARE(quit.size(), 1);
    } else if (effect == "About shown") {
        QVERIFY(m_windows->about().isVisible());
        QVERIFY(!f->pad->isEnabled());
    } else if (effect == "ROM window shown") {
        QVERIFY(m_windows->romSelector().isVisible());
    } else if (effect == "digit shown") { // Tab selected it whole, scrolled to its end
        QCOMPARE(control<QComboBox>(w, "Combo4")->lineEdit()->cursorPosition(), 0);
    } else if (effect == "wizard open") {
        QVERIFY(m_windows->wizard());
    } else if (effect.startsWith("volume") || effect.startsWith("ifreq")) {
        const int value = effect.section(' ', 1).toInt();
        QCOMPARE(control<QScrollBar>(w, qPrintable(name))->value(), value);
        // The frame's caption follows, as when the thumb is dragged.
        const QString frame = name == "volume" ? "Frame6" : "Frame4";
        QVERIFY(control<QGroupBox>(w, qPrintable(frame))
                    ->title()
                    .endsWith(" " + QString::number(value) + (name == "ifreq" ? " Hz)" : "")));
    } else if (effect == "header of TETRIS") {
        // The first file was the current one; Down moves to the next, as a click on it.
        QCOMPARE(control<QLineEdit>(w, "text1")->text(), roms + "/TETRIS.GB");
        QCOMPARE(control<QLineEdit>(w, "Text2")->text(), QString("TETRIS"));
    } else if (effect == "ROM selected") {
        QVERIFY(!w->isVisible());
        QVERIFY(f->pad->isEnabled());
        QCOMPARE(f->pad->romPath(), roms + "/PUZZLE.GB");
    } else if (effect == "folder opened") {
        QTest::keyClick(control<QListView>(w, "Dir1"), Qt::Key_Return);
        QCOMPARE(static_cast<FileSelector*>(w)->directoryPath(), roms + "/sub");
    } else if (effect == "cancelled") {
        QVERIFY(!w->isVisible());
        QVERIFY(f->pad->isEnabled());
    } else if (effect == "mail opened" || effect == "home page opened") {
        QCOMPARE(m_opener.m_urls.size(), 1);
        QCOMPARE(m_opener.m_urls.first().scheme(),
                 QString(effect == "mail opened" ? "mailto" : "http"));
    } else if (effect.startsWith('#')) {
        QCOMPARE(control<QLineEdit>(w, "Text2")->text(), effect);
    } else if (effect == "main window back") {
        QVERIFY(!w->isVisible());
        QVERIFY(f->pad->isVisible());
    } else {
        QFAIL(qPrintable("no check for " + effect));
    }
}

void KeyboardTest::focusLightsAnImageButtonAndShowsItsHint() {
    QWidget* pad = open("Pad");
    focusOn(pad, "Picture8");
    QVERIFY(f->lit("Picture8"));
    QCOMPARE(control<QLabel>(pad, "Label9")->text(), f->pad->statusHintOf(f->control("Picture8")));
    press(Qt::Key_Tab); // onto play: save rests, play lights with its raised bevel
    QVERIFY(!f->lit("Picture8"));
    QVERIFY(f->lit("Picture5"));
    QCOMPARE(f->bevel("Picture5")->color(0), QColor(0xE0, 0xE0, 0xE0));
    QCOMPARE(control<QLabel>(pad, "Label9")->text(), f->pad->statusHintOf(f->control("Picture5")));
    // The key held down shows the pressed bevel; nothing starts before it is let go.
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(f->bevel("Picture5")->width(0), 2);
    QVERIFY(f->dos.m_sessions.isEmpty());
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(f->dos.m_sessions.size(), 1);
    press(Qt::Key_Tab);
    QVERIFY(!f->lit("Picture5"));
    QCOMPARE(f->bevel("Picture5")->color(0), QColor(Qt::black));
}

// ---- Screen readers ----

void KeyboardTest::everyActionableControlHasARoleAndAName_data() {
    QTest::addColumn<QString>("window");
    for (const char* window :
         {"Pad", "GameFileSelector", "ParamFileSaver", "About", "preview", "Palet"})
        QTest::newRow(window) << window;
}

void KeyboardTest::everyActionableControlHasARoleAndAName() {
    QFETCH(QString, window);
    QWidget* w = open(window);
    int checked = 0;
    for (QWidget* c : w->findChildren<QWidget*>()) {
        const bool actionable = qobject_cast<QAbstractButton*>(c) ||
                                ((c->focusPolicy() & Qt::TabFocus) && c->isEnabled());
        if (!actionable || !c->isVisibleTo(w) || c->objectName().startsWith("qt_"))
            continue;
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(c);
        QVERIFY(spoken);
        const QString what = c->objectName() + " (" + c->metaObject()->className() + ")";
        QVERIFY2(spoken->role() != QAccessible::NoRole, qPrintable(what));
        QVERIFY2(!spoken->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(what));
        if (qobject_cast<PictureBox*>(c)) {
            QCOMPARE(spoken->role(), QAccessible::PushButton);
            QCOMPARE(spoken->text(QAccessible::Description), f->pad->statusHintOf(c));
        }
        ++checked;
    }
    QVERIFY(checked >= 3);
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
