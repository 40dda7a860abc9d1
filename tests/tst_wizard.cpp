#include "aboutwindow.h"
#include "colorslots.h"
#include "control.h"
#include "launcherwindows.h"
#include "padfixture.h"
#include "paletwindow.h"
#include "recordingopener.h"
#include "romimage.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QColor swatchColor(PaletWindow* w, int slot) {
    return w->swatch(slot)->palette().color(QPalette::Base);
}

} // namespace

class WizardTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // ---- The main window's handlers ----
    void romPathChangeShowsTitleAndCaption();
    void missingRomKeepsTitleAndCaption_data();
    void missingRomKeepsTitleAndCaption();
    void typingIsCheckedWhenEditingEnds();
    void wizardNeedsAGame();
    void deleteWithoutRomDoesNothing();

    // ---- The wizard ----
    void slotsAndClearCaptions();
    void redColourZeroSaved();
    void saveAtOnceLeavesNoFile();
    void rgbCodeAndTagDigits();
    void clearAndResetAll();
    void brightnessOnly();
    void reopeningRestoresFromTheFile();
    void cancelAndFrameCloseLeaveTheFile();
    void windowBeforeBackground();
    void aboutFromTheWizard();
    void secondOpeningFindsTheOpenWizard();

private:
    PaletWindow* openWizard();
    void setSliders(PaletWindow* w, int r, int g, int b);
    void save(PaletWindow* w);

    std::unique_ptr<PadFixture> f;
    RecordingOpener m_opener;
    std::unique_ptr<LauncherWindows> m_windows;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_rom, m_cfg;
};

void WizardTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_rom = m_dir->filePath("PUZZLE.GB");
    m_cfg = m_dir->filePath("PUZZLE.cfg");
    QVERIFY(writeFile(m_rom, romImage("PUZZLE", 0, 0)));
    f = std::make_unique<PadFixture>();
    m_windows = std::make_unique<LauncherWindows>(*f->pad, m_opener, f->prompter);
    f->pad->setWindows(m_windows->padWindows());
    f->pad->show();
}

void WizardTest::cleanup() {
    m_windows.reset();
    f.reset();
}

PaletWindow* WizardTest::openWizard() {
    QTest::mouseClick(f->control<QPushButton>("Command2"), Qt::LeftButton);
    return m_windows->wizard();
}

void WizardTest::setSliders(PaletWindow* w, int r, int g, int b) {
    control<QScrollBar>(w, "HScroll1")->setValue(r);
    control<QScrollBar>(w, "HScroll2")->setValue(g);
    control<QScrollBar>(w, "HScroll3")->setValue(b);
}

void WizardTest::save(PaletWindow* w) {
    QTest::mouseClick(control<QPushButton>(w, "Command17"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// ---- The main window's handlers ----

void WizardTest::romPathChangeShowsTitleAndCaption() {
    QVERIFY(writeFile(m_cfg, "-color0 #FF0000\r\n'Zemplo.CC0255000000\r\n"));
    f->control<QLineEdit>("Text1")->setText(m_rom);
    QVERIFY(f->prompter.m_prompts.isEmpty());
    QCOMPARE(f->control<QLineEdit>("Text2")->text(), QString("PUZZLE"));
    QCOMPARE(f->control<QPushButton>("Command5")->text(), QString("Kill PUZZLE.cfg !"));
    QTest::mouseClick(f->control<QPushButton>("Command5"), Qt::LeftButton);
    QVERIFY(!QFile::exists(m_cfg));
    QCOMPARE(f->control<QPushButton>("Command5")->text(), QString("No .cfg file !"));
    QVERIFY(QFile::exists(m_rom));
}

void WizardTest::missingRomKeepsTitleAndCaption_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("empty") << "";
    QTest::newRow("one blank") << " ";
    QTest::newRow("missing file") << "/nowhere/GAME.GB";
}

void WizardTest::missingRomKeepsTitleAndCaption() {
    QFETCH(QString, path);
    QVERIFY(writeFile(m_cfg, "'Zemplo.CBR050\r\n"));
    f->control<QLineEdit>("Text1")->setText(m_rom);
    f->control<QLineEdit>("Text1")->setText(path);
    QCOMPARE(f->prompter.m_prompts.size(), 1);
    QCOMPARE(f->prompter.m_prompts.first().title, QString("Ouch!..."));
    QCOMPARE(f->prompter.m_prompts.first().text, QString("File does not exist !"));
    QCOMPARE(f->prompter.m_prompts.first().icon, Prompter::Icon::Critical);
    QCOMPARE(f->control<QLineEdit>("Text2")->text(), QString("PUZZLE"));
    QCOMPARE(f->control<QPushButton>("Command5")->text(), QString("Kill PUZZLE.cfg !"));
}

void WizardTest::typingIsCheckedWhenEditingEnds() {
    f->pad->activateWindow();
    f->control<QLineEdit>("Text1")->setFocus();
    QTest::keyClicks(f->control<QLineEdit>("Text1"), "/no/such.gb");
    QVERIFY(f->prompter.m_prompts.isEmpty());
    QTest::keyClick(f->control<QLineEdit>("Text1"), Qt::Key_Return);
    QCOMPARE(f->prompter.m_prompts.size(), 1);
    QCOMPARE(f->prompter.m_prompts.first().text, QString("File does not exist !"));
    f->control<QLineEdit>("Text1")->selectAll();
    QTest::keyClicks(f->control<QLineEdit>("Text1"), m_rom);
    QTest::keyClick(f->control<QLineEdit>("Text1"), Qt::Key_Return);
    QCOMPARE(f->prompter.m_prompts.size(), 1);
    QCOMPARE(f->control<QLineEdit>("Text2")->text(), QString("PUZZLE"));
}

void WizardTest::wizardNeedsAGame() {
    QVERIFY(!openWizard());
    QCOMPARE(f->prompter.m_prompts.size(), 1);
    QCOMPARE(f->prompter.m_prompts.first().title, QString("Oups !"));
    QCOMPARE(f->prompter.m_prompts.first().text, QString("You must select a game first !"));
    QVERIFY(f->pad->isVisible());
}

void WizardTest::deleteWithoutRomDoesNothing() {
    QTest::mouseClick(f->control<QPushButton>("Command5"), Qt::LeftButton);
    QVERIFY(f->prompter.m_prompts.isEmpty());
    QCOMPARE(f->control<QPushButton>("Command5")->text(), QString("No .cfg file !"));
}

// ---- The wizard ----

void WizardTest::slotsAndClearCaptions() {
    f->control<QLineEdit>("Text1")->setText(m_rom);
    PaletWindow* w = openWizard();
    QVERIFY(w);
    QCOMPARE(w->objectName(), QString("Palet"));
    QCOMPARE(w->windowTitle(), QString("Color Scheme Wizard"));
    QCOMPARE(control<QPushButton>(w, "Command20")->text(), QString("Idle..."));
    QCOMPARE(control<QLineEdit>(w, "Text2")->text(), QString("#000000"));
    QCOMPARE(control<QGroupBox>(w, "Frame4")->title(), QString("Brightness :  0"));
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const ColorSlot& s = colorSlots()[slot];
        QPushButton* button = w->findChild<QPushButton*>(QString("Command%1").arg(s.button));
        QVERIFY(button);
        QCOMPARE(button->text(), QString::fromLatin1(s.caption));
        QCOMPARE(w->findChild<QLineEdit*>(QString("Text%1").arg(s.swatch)), w->swatch(slot));
        QCOMPARE(swatchColor(w, slot), QColor(Qt::white));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(control<QPushButton>(w, "Command20")->text(), QString::fromLatin1(s.clearCaption));
    }
}

void WizardTest::redColourZeroSaved() {
    f->control<QLineEdit>("Text1")->setText(m_rom);
    PaletWindow* w = openWizard();
    QVERIFY(!f->pad->isVisible());
    QVERIFY(w->isVisible());
    setSliders(w, 255, 0, 0);
    QCOMPARE(control<QLineEdit>(w, "Text1")->palette().color(QPalette::Base), QColor(255, 0, 0));
    QTest::mouseClick(w->slotButton(0), Qt::LeftButton);
    QCOMPARE(swatchColor(w, 0), QColor(255, 0, 0));
    QCOMPARE(control<QPushButton>(w, "Command20")->text(), QString("Clear color 0"));
    save(w);
    QCOMPARE(readAll(m_cfg), QByteArray("-color0 #FF0000\r\n'Zemplo.CC0255000000\r\n"));
    QCOMPARE(f->control<QPushButton>("Command5")->text(), QString("Kill PUZZLE.cfg !"));
    QVERIFY(f->pad->isVisible());
    QVERIFY(!m_windows->wizard());
}

void WizardTest::saveAtOnceLeavesNoFile() {
    f->control<QLineEdit>("Text1")->setText(m_rom);
    save(openWizard());
    QVERIFY(!QFile::exists(m_cfg));
    QCOMPARE(f->control<QPushButton>("Command5")->text(), QString("No .cfg file !"));
}

void WizardTest::rgbCodeAndTagDigits() {
    f->control<QLineEdit>("Text1")->setText(m_rom);
    PaletWindow* w = openWizard();
    setSliders(w, 5, 0, 10);
    QCOMPARE(control<QLineEdit>(w, "Text2")->text(), QString("#05000A"));
    QTest::mouseClick(w->slotButton(4), Qt::LeftButton);
    QCOMPARE(w->model().tag(4), QString("CS0005000010"));
    QCOMPARE(w->model().line(4), QString("-spritecolor0 #05000A"));
}

void WizardTest::clearAndResetAll() {
    f->control<QLineEdit>("Text1")->setText(m_rom);
    PaletWindow* w = openWizard();
    setSliders(w, 1, 2, 3);
    QTest::mouseClick(w->slotButton(0), Qt::LeftButton);
    QTest::mouseClick(w->slotButton(1), Qt::LeftButton);
    QTest::mouseClick(w->slotButton(0), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(w, "Command20"), Qt::LeftButton);
    QVERIFY(!w->model().isSet(0));
    QCOMPARE(swatchColor(w, 0), QColor(Qt::white));
    QCOMPARE(control<QPushButton>(w, "Command20")->text(), QString("Idle..."));
    QTest::mouseClick(control<QPushButton>(w, "Command20"),
                      Qt::LeftButton); // nothing selected: nothing happens
    QVERIFY(w->model().isSet(1));
    QTest::mouseClick(control<QPushButton>(w, "Command21"), Qt::LeftButton);
    QVERIFY(!w->model().isSet(1));
    QCOMPARE(swatchColor(w, 1), QColor(Qt::white));
    QCOMPARE(control<QScrollBar>(w, "HScroll1")->value(), 1); // sliders untouched
}

void WizardTest::brightnessOnly() {
    f->control<QLineEdit>("Text1")->setText(m_rom);
    PaletWindow* w = openWizard();
    control<QScrollBar>(w, "HScroll4")->setSliderDown(true);
    control<QScrollBar>(w, "HScroll4")->setSliderPosition(-20);
    QCOMPARE(control<QGroupBox>(w, "Frame4")->title(), QString("Brightness : -20"));
    control<QScrollBar>(w, "HScroll4")->setSliderPosition(50);
    control<QScrollBar>(w, "HScroll4")->setSliderDown(false);
    QCOMPARE(control<QGroupBox>(w, "Frame4")->title(), QString("Brightness :  50"));
    save(w);
    QCOMPARE(readAll(m_cfg), QByteArray("-brightness  50\r\n'Zemplo.CBR050\r\n"));
}

void WizardTest::reopeningRestoresFromTheFile() {
    f->control<QLineEdit>("Text1")->setText(m_rom);
    PaletWindow* w = openWizard();
    setSliders(w, 16, 32, 160);
    QTest::mouseClick(w->slotButton(15), Qt::LeftButton);
    control<QScrollBar>(w, "HScroll4")->setValue(-5);
    save(w);
    const QByteArray first = readAll(m_cfg);
    QCOMPARE(first, QByteArray("-backgroundcolor3 #1020A0\r\n-brightness -5\r\n"
                               "'Zemplo.CB3016032160CBR-05\r\n"));
    w = openWizard();
    QCOMPARE(swatchColor(w, 15), QColor(16, 32, 160));
    QCOMPARE(swatchColor(w, 0), QColor(Qt::white));
    QCOMPARE(control<QScrollBar>(w, "HScroll4")->value(), -5);
    QCOMPARE(control<QGroupBox>(w, "Frame4")->title(), QString("Brightness : -5"));
    QCOMPARE(control<QScrollBar>(w, "HScroll1")->value(), 0);
    QCOMPARE(control<QLineEdit>(w, "Text2")->text(), QString("#000000"));
    QCOMPARE(control<QPushButton>(w, "Command20")->text(), QString("Idle..."));
    save(w);
    QCOMPARE(readAll(m_cfg), first);
}

void WizardTest::cancelAndFrameCloseLeaveTheFile() {
    QVERIFY(writeFile(m_cfg, "-nosound\r\n'Zemplo.CC1001002003\r\n"));
    f->control<QLineEdit>("Text1")->setText(m_rom);
    f->control<QPushButton>("Command5")->setText("caption kept");
    PaletWindow* w = openWizard();
    QCOMPARE(swatchColor(w, 1), QColor(1, 2, 3));
    setSliders(w, 9, 9, 9);
    QTest::mouseClick(w->slotButton(2), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(w, "Command18"), Qt::LeftButton);
    QCOMPARE(readAll(m_cfg), QByteArray("-nosound\r\n'Zemplo.CC1001002003\r\n"));
    QCOMPARE(f->control<QPushButton>("Command5")->text(), QString("caption kept"));
    QVERIFY(f->pad->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    w = openWizard();
    QTest::mouseClick(w->slotButton(3), Qt::LeftButton);
    w->close();
    QVERIFY(f->pad->isVisible());
    QCOMPARE(readAll(m_cfg), QByteArray("-nosound\r\n'Zemplo.CC1001002003\r\n"));
}

void WizardTest::windowBeforeBackground() {
    f->control<QLineEdit>("Text1")->setText(m_rom);
    PaletWindow* w = openWizard();
    setSliders(w, 1, 1, 1);
    QTest::mouseClick(w->findChild<QPushButton*>("Command9"), Qt::LeftButton);  // BG color 0
    QTest::mouseClick(w->findChild<QPushButton*>("Command13"), Qt::LeftButton); // Window color 0
    save(w);
    QCOMPARE(readAll(m_cfg), QByteArray("-windowcolor0 #010101\r\n-backgroundcolor0 #010101\r\n"
                                        "'Zemplo.CW0001001001CB0001001001\r\n"));
}

void WizardTest::aboutFromTheWizard() {
    f->control<QLineEdit>("Text1")->setText(m_rom);
    PaletWindow* w = openWizard();
    QTest::mouseClick(control<QPushButton>(w, "Command19"), Qt::LeftButton);
    QVERIFY(m_windows->about().isVisible());
    QVERIFY(w->isVisible());
    QVERIFY(!f->pad->isVisible());
}

// A click that reaches the wizard button again while the wizard is open finds that wizard;
// closing it then leaves nothing behind that a later close would touch.
void WizardTest::secondOpeningFindsTheOpenWizard() {
    f->control<QLineEdit>("Text1")->setText(m_rom);
    PaletWindow* first = openWizard();
    QVERIFY(first);
    QTest::mouseClick(f->control<QPushButton>("Command2"), Qt::LeftButton);
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget* w) { return qobject_cast<PaletWindow*>(w) != nullptr; }),
             1);
    QTest::mouseClick(control<QPushButton>(first, "Command18"), Qt::LeftButton);
    QTRY_VERIFY(f->pad->isVisible());
    QVERIFY(openWizard());
}

QTEST_MAIN(WizardTest)
#include "tst_wizard.moc"
