#include "elidedbutton.h"
#include "imagebutton.h"
#include "padfixture.h"
#include "picturebox.h"
#include "previewwindow.h"
#include "settingbindings.h"
#include "settingsio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include "romimage.h"
#include "scratchfolder.h"

namespace {

void storeFirstUseWith(MemorySettingsStore& store, const QString& emulator) {
    LauncherSettings s = firstUseSettings();
    s.emulatorPath = emulator;
    saveSettings(store, s);
    store.m_writtenKeys.clear();
}

QString labelText(const PadFixture& f) {
    return f.control<QLabel>("Label9")->text();
}

} // namespace

Q_DECLARE_METATYPE(QList<Prompter::Answer>)

class PadTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // ---- Start-up and quit ----
    void firstUseOkFillsTheBuiltInValues();
    void firstUseCancelEndsWithoutWriting();
    void storedStoreWithMissingEmulator();
    void outOfRangeValuesBroughtIntoRange();
    void quitWritesTheTwentyOneKeys();
    void quitThatCannotSaveOffersRetry_data();
    void quitThatCannotSaveOffersRetry();
    void closeBoxSavesNothing();
    void romArgumentTaken();

    // ---- Hover, hints and captions ----
    void hoverSequences();
    void statusHints_data();
    void statusHints();
    void everyControlShowsItsOwnHint();
    void everyMemberBoundToOneControl();
    void bareWindowHint();
    void statusLineSaysReadyWhenTheWindowOpens();
    void deleteButtonCutsALongCaptionInTheMiddle_data();
    void deleteButtonCutsALongCaptionInTheMiddle();
    void dragsReachTheControls();
    void everyPictureIsThere();
    void playPressBevel();
    void scrollCaptions();
    void keysHelp();

    // ---- Launch ----
    void launchMessages_data();
    void launchMessages();
    void emptyEmulatorPathOpensTheSelector();
    void tooLongLeavesTheEmulatorDirectoryCurrent();
    void launchStartsTheSession();
    void failedStartIsReported();
    void previewUseItAndClose();
    void previewWrapsAtBlanksOnly();
    void openersDisableOrNot();

private:
    std::unique_ptr<PadFixture> f;
    std::unique_ptr<ScratchFolder> m_dir;
    QString m_savedCwd;
};

void PadTest::init() {
    m_savedCwd = QDir::currentPath();
    m_dir = std::make_unique<ScratchFolder>(QStringList{"emu", "roms"});
    touch(m_dir->filePath("emu/VGB.EXE"));
    touch(m_dir->filePath("roms/PUZZLE.GB"));
    f = std::make_unique<PadFixture>();
}

void PadTest::cleanup() {
    f.reset();
    QDir::setCurrent(m_savedCwd);
}

// ---- Start-up and quit ----

void PadTest::firstUseOkFillsTheBuiltInValues() {
    QVERIFY(f->pad->Form_Load(QString()));
    QCOMPARE(f->prompter.m_prompts.size(), 1);
    const auto& prompt = f->prompter.m_prompts.first();
    QCOMPARE(prompt.title, QString());
    QCOMPARE(prompt.text, QString("Version 2.62 First use !\nZemplo 97 Will generate the new "
                                  "configuration\nIt will be saved ONLY if you press the Quit "
                                  "button !"));
    QCOMPARE(prompt.buttons, Prompter::Buttons::OkCancel);
    QCOMPARE(f->control<QLineEdit>("Text4")->text(), QString("C:\\GAMEBOY\\VGB-DOS.EXE"));
    QCOMPARE(f->control<QComboBox>("Combo6")->currentText(),
             QString::fromUtf8("1 - Normal St\xC3\xA9r\xC3\xA9o"));
    QCOMPARE(f->control<QScrollBar>("volume")->value(), 10);
    QCOMPARE(f->control<QScrollBar>("ifreq")->value(), 60);
    QVERIFY(f->control<QCheckBox>("Check5")->isChecked());
    QCOMPARE(f->control<QLineEdit>("text10")->text(), QString("VGB-DOS Default (vgb.gif)"));
    QCOMPARE(f->control<QGroupBox>("Frame4")->title(),
             QString("Interrupt frequency (ifreq 60 Hz)"));
    QCOMPARE(f->control<QGroupBox>("Frame6")->title(), QString("Sound Volume  10"));
    QCOMPARE(labelText(*f), QString("Ready..."));
    QVERIFY(f->store.m_writtenKeys.isEmpty());
    // Nothing that is never stored comes up set.
    QVERIFY(f->control<QLineEdit>("Text1")->text().isEmpty());
    QVERIFY(!f->control<QCheckBox>("Check6")->isChecked());
}

void PadTest::firstUseCancelEndsWithoutWriting() {
    f->prompter.m_answers << Prompter::Answer::Cancel;
    QVERIFY(!f->pad->Form_Load(QString()));
    QVERIFY(f->store.m_writtenKeys.isEmpty());
}

void PadTest::storedStoreWithMissingEmulator() {
    storeFirstUseWith(f->store, "/nowhere/VGB.EXE");
    f->store.m_values["Stereo"] = "9 - typed by hand";
    f->store.m_values.remove("AutoA");
    QVERIFY(f->pad->Form_Load(QString()));
    QCOMPARE(f->prompter.m_prompts.size(), 1);
    const auto& prompt = f->prompter.m_prompts.first();
    QCOMPARE(prompt.title, QString("Configuration"));
    QCOMPARE(prompt.text, QString("Emulator not found at:\n/nowhere/VGB.EXE\nEnter the good path "
                                  "in Zemplo !"));
    QCOMPARE(prompt.icon, Prompter::Icon::Critical);
    QCOMPARE(f->control<QLineEdit>("Text4")->text(), QString("/nowhere/VGB.EXE"));
    QCOMPARE(f->control<QComboBox>("Combo6")->currentText(), QString("9 - typed by hand"));
    QVERIFY(f->control<QCheckBox>("Check1")->isChecked());
}

void PadTest::outOfRangeValuesBroughtIntoRange() {
    storeFirstUseWith(f->store, m_dir->filePath("emu/VGB.EXE"));
    f->store.m_values["Volume"] = " 99";
    f->store.m_values["Ifreq"] = "70000";
    f->store.m_values["Top"] = "-9999999";
    f->store.m_values["Left"] = " 99999999";
    QVERIFY(f->pad->Form_Load(QString()));
    QVERIFY(f->prompter.m_prompts.isEmpty());
    QCOMPARE(f->control<QScrollBar>("volume")->value(), 15);
    QCOMPARE(f->control<QScrollBar>("ifreq")->value(), 100);
    QCOMPARE(f->control<QGroupBox>("Frame6")->title(), QString("Sound Volume  15"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.intersects(f->pad->geometry()),
             qPrintable(QString("%1,%2").arg(f->pad->x()).arg(f->pad->y())));
}

void PadTest::quitWritesTheTwentyOneKeys() {
    QVERIFY(f->pad->Form_Load(QString()));
    f->pad->show();
    QSignalSpy quit(f->pad.get(), &Pad::quitRequested);
    QTest::mouseClick(f->control("Picture6"), Qt::LeftButton);
    QCOMPARE(quit.size(), 1);
    QCOMPARE(f->store.m_writtenKeys.size(), 21);
    QCOMPARE(f->store.m_writtenKeys.first(), QString("Version"));
    QCOMPARE(f->store.m_writtenKeys.last(), QString("ColorScheme"));
    QCOMPARE(f->store.read("Version"), QString("262"));
    QCOMPARE(f->store.read("Volume"), QString(" 10"));
    QCOMPARE(f->store.read("Ifreq"), QString(" 60"));
    QCOMPARE(f->store.read("Top"), QString(" 100"));
    QCOMPARE(f->store.read("Left"), QString(" 100"));
    QCOMPARE(f->store.read("Joypad"), QString("0"));
    QCOMPARE(f->store.read("SilentStart"), QString("1"));
    QCOMPARE(f->store.read("Stereo"), QString::fromUtf8("1 - Normal St\xC3\xA9r\xC3\xA9o"));
}

void PadTest::quitThatCannotSaveOffersRetry_data() {
    QTest::addColumn<int>("failures");
    QTest::addColumn<QList<Prompter::Answer>>("answers");
    QTest::addColumn<bool>("quits");
    using A = Prompter::Answer;
    QTest::newRow("retry succeeds") << 1 << QList<A>{A::Retry} << true;
    QTest::newRow("retry twice") << 2 << QList<A>{A::Retry, A::Retry} << true;
    QTest::newRow("cancel stays") << 1 << QList<A>{A::Cancel} << false;
    QTest::newRow("retry then cancel") << 3 << QList<A>{A::Retry, A::Cancel} << false;
}

void PadTest::quitThatCannotSaveOffersRetry() {
    QFETCH(int, failures);
    QFETCH(QList<Prompter::Answer>, answers);
    QFETCH(bool, quits);
    QVERIFY(f->pad->Form_Load(QString()));
    f->pad->show();
    f->store.m_failedFlushes = failures;
    f->prompter.m_prompts.clear();
    f->prompter.m_answers = answers;
    QSignalSpy quit(f->pad.get(), &Pad::quitRequested);
    QTest::mouseClick(f->control("Picture6"), Qt::LeftButton);
    QCOMPARE(quit.size(), quits ? 1 : 0);
    QCOMPARE(f->prompter.m_prompts.size(), answers.size());
    for (const auto& prompt : f->prompter.m_prompts) {
        QCOMPARE(prompt.buttons, Prompter::Buttons::RetryCancel);
        QVERIFY(prompt.text.contains("/memory/Zemplo97.ini"));
    }
    QVERIFY(f->pad->isVisible() && f->pad->isEnabled());
}

void PadTest::closeBoxSavesNothing() {
    QVERIFY(f->pad->Form_Load(QString()));
    f->pad->show();
    f->control<QCheckBox>("Check2")->setChecked(true);
    QSignalSpy closed(f->pad.get(), &Pad::closedWithoutSaving);
    QSignalSpy quit(f->pad.get(), &Pad::quitRequested);
    f->pad->close();
    QCOMPARE(closed.size(), 1);
    QCOMPARE(quit.size(), 0);
    QVERIFY(f->store.m_writtenKeys.isEmpty());
}

void PadTest::romArgumentTaken() {
    QVERIFY(f->pad->Form_Load("/games/PUZZLE.GB"));
    QCOMPARE(f->control<QLineEdit>("Text1")->text(), QString("/games/PUZZLE.GB"));
    PadFixture quoted;
    QVERIFY(quoted.pad->Form_Load("\"/games/PUZZLE.GB\""));
    QCOMPARE(quoted.control<QLineEdit>("Text1")->text(), QString());
}

// ---- Hover, hints and captions ----

void PadTest::hoverSequences() {
    QVERIFY(f->pad->Form_Load(QString()));
    f->pad->show();
    Bevel* play = f->bevel("Picture5");
    Bevel* quit = f->bevel("Picture6");
    const QColor light(0xE0, 0xE0, 0xE0), dark(0x40, 0x40, 0x40), black(0, 0, 0);

    moveOver(f->control("Picture5"));
    QVERIFY(f->lit("Picture5"));
    QCOMPARE(play->color(0), light);
    QCOMPARE(play->color(2), dark);
    // Straight from play to quit: play rests, quit rises, in one event.
    moveOver(f->control("Picture6"));
    QVERIFY(!f->lit("Picture5"));
    QCOMPARE(play->color(0), black);
    QVERIFY(f->lit("Picture6"));
    QCOMPARE(quit->color(1), light);
    QCOMPARE(quit->color(3), dark);
    // Save then load: the load handler rests only the keys button.
    moveOver(f->control("Picture8"));
    moveOver(f->control("Picture9"));
    QVERIFY(f->lit("Picture8"));
    QVERIFY(f->lit("Picture9"));
    QVERIFY(f->lit("Picture6")); // nothing on the way rested it
    moveOver(f->control("Picture7"));
    QVERIFY(f->lit("Picture7"));
    QVERIFY(!f->lit("Picture6"));
    QCOMPARE(f->bevel("Picture7")->color(0), light);
    // Bare window area rests everything.
    moveOver(f->pad.get());
    for (const char* name :
         {"Picture2", "Picture5", "Picture6", "Picture7", "Picture8", "Picture9"})
        QVERIFY2(!f->lit(name), name);
    for (Bevel* bevel : {play, quit, f->bevel("Picture7")})
        for (int line = 0; line < 4; ++line)
            QCOMPARE(bevel->color(line), black);
}

void PadTest::statusHints_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    // A sample of texts, and the edges: a frame's own hint, a control inside a hinted frame
    // that has none of its own (the move must not bubble up to the frame's), an image button.
    const QList<QPair<QString, QString>> rows = {
        {"Text1", "Gameboy Rom to use..."},
        {"Frame3", "Joypad buttons Setup..."},
        {"Check1", "(kept)"}, // inside Frame3
        {"volume", "(kept)"}, // inside Frame6, "Change the volume..."
        {"Check3", "Enable/Disable CRC Check..."},
        {"Picture5", "Click here to play !"},
        {"Picture1", "[By Korvid] [Korvid]"},
        {"Combo4", "(kept)"},
    };
    for (const auto& row : rows)
        QTest::newRow(qPrintable(row.first)) << row.first << row.second;
}

void PadTest::statusHints() {
    QFETCH(QString, control);
    QFETCH(QString, hint);
    f->pad->show();
    f->control<QLabel>("Label9")->setText("(kept)");
    QWidget* widget = f->pad->findChild<QWidget*>(control);
    QVERIFY(widget);
    moveOver(widget);
    QCOMPARE(labelText(*f), hint);
}

// Every named control of the window, under the mouse, shows its own hint or keeps the line.
void PadTest::everyControlShowsItsOwnHint() {
    f->pad->show();
    int hinted = 0;
    for (QWidget* control : f->pad->findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || !control->isVisible())
            continue;
        f->control<QLabel>("Label9")->setText("(kept)");
        moveOver(control);
        const QString hint = f->pad->statusHintOf(control);
        QCOMPARE(labelText(*f), hint.isNull() ? QString("(kept)") : hint);
        hinted += !hint.isNull();
    }
    QCOMPARE(hinted, 28);
}

// Every member goes into its control and comes back unchanged; each control serves one member.
void PadTest::everyMemberBoundToOneControl() {
    LauncherSettings written;
    int n = 0;
    const SettingBindings& bindings = f->pad->settingBindings();
    for (const SettingBinding& binding : bindings)
        std::visit(
            [&](auto member) {
                using M = decltype(member);
                ++n;
                if constexpr (std::is_same_v<M, QString LauncherSettings::*>)
                    written.*member = QString("value %1").arg(n);
                else if constexpr (std::is_same_v<M, bool LauncherSettings::*>)
                    written.*member = true;
                else if constexpr (std::is_same_v<M, int LauncherSettings::*>)
                    written.*member = 1 + n % 14;
            },
            binding.field());
    writeBoundControls(bindings, written, [](const SettingField&) { return true; });
    LauncherSettings read;
    readBoundControls(bindings, read);
    QSet<QString> controls;
    for (const SettingBinding& binding : bindings) {
        const QByteArray name = binding.control()->objectName().toLatin1();
        QCOMPARE(binding.control()->window(), f->pad.get());
        controls << name;
        std::visit(
            [&](auto member) {
                if constexpr (!std::is_same_v<decltype(member), std::monostate> &&
                              !std::is_same_v<decltype(member), double LauncherSettings::*>)
                    QVERIFY2(read.*member == written.*member, name);
            },
            binding.field());
    }
    QCOMPARE(controls.size(), int(bindings.size()));
}

void PadTest::bareWindowHint() {
    f->pad->show();
    moveOver(f->pad.get());
    QCOMPARE(labelText(*f), QString("Waiting for a ROM..."));
    f->control<QLineEdit>("Text1")->setText("x");
    moveOver(f->pad.get());
    QCOMPARE(labelText(*f), QString("Ready..."));
}

// The focus lands on the first control when the window opens: that is no move of the user's,
// so "Ready..." stays until the user moves the focus.
void PadTest::statusLineSaysReadyWhenTheWindowOpens() {
    QVERIFY(f->pad->Form_Load(QString()));
    f->pad->show();
    f->pad->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f->pad.get()));
    QVERIFY(f->pad->focusWidget());
    QCOMPARE(labelText(*f), QString("Ready..."));
    QTest::keyClick(f->pad->focusWidget(), Qt::Key_Tab);
    QCOMPARE(labelText(*f), f->pad->statusHintOf(f->pad->focusWidget()));
    QVERIFY(labelText(*f) != "Ready...");
}

void PadTest::deleteButtonCutsALongCaptionInTheMiddle_data() {
    QTest::addColumn<QString>("rom");
    QTest::addColumn<bool>("cut");
    QTest::newRow("short") << "PUZZLE" << false;
    QTest::newRow("long") << "Super Mario Land (World)" << true;
}

// The caption stays whole for screen readers and as the tooltip; what is drawn keeps both of
// its ends in sight.
void PadTest::deleteButtonCutsALongCaptionInTheMiddle() {
    QFETCH(QString, rom);
    QFETCH(bool, cut);
    touch(m_dir->filePath("roms/" + rom + ".cfg"));
    f->pad->show();
    f->control<QLineEdit>("Text1")->setText(m_dir->filePath("roms/" + rom + ".gb"));
    f->pad->refreshDeleteCaption(); // as the ROM path change does
    const auto* button = f->control<ElidedButton>("Command5");
    const QString caption = "Kill " + rom + ".cfg !";
    QCOMPARE(button->text(), caption);
    const QString drawn = button->drawnText();
    QCOMPARE(drawn == caption, !cut);
    QCOMPARE(button->toolTip(), cut ? caption : QString());
    QVERIFY2(drawn.startsWith("Kill ") && drawn.endsWith(".cfg !"), qPrintable(drawn));
    QVERIFY(button->fontMetrics().horizontalAdvance(drawn) <= button->width());
}

// Every picture the window names was drawn by the build, at the size of its control, lit or not.
void PadTest::everyPictureIsThere() {
    for (PictureBox* box : f->pad->findChildren<PictureBox*>()) {
        for (bool lit : {false, true}) {
            if (auto* button = qobject_cast<ImageButton*>(box))
                button->setOn(lit);
            QVERIFY2(!box->pixmap().isNull(), qPrintable(box->objectName()));
            QCOMPARE(box->pixmap().deviceIndependentSize().toSize(), box->size());
        }
    }
    const QLabel* logo = f->control<QLabel>("Picture1");
    QCOMPARE(logo->pixmap().deviceIndependentSize().toSize(), logo->size());
}

// Press, moves with the button held, release: the hover behaviour must not eat the moves.
void PadTest::dragsReachTheControls() {
    f->pad->show();
    for (const char* name : {"volume", "ifreq"}) {
        auto* bar = f->control<QScrollBar>(name);
        bar->setValue(bar->minimum());
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = option.sliderValue = bar->value();
        option.pageStep = bar->pageStep();
        option.subControls = QStyle::SC_All;
        const QPoint thumb =
            bar->style()
                ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar)
                .center();
        QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
        for (int dx = 10; dx <= 60; dx += 10)
            moveOver(bar, thumb + QPointF(dx, 0), Qt::LeftButton);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb + QPoint(60, 0));
        QVERIFY2(bar->value() > bar->minimum(), name);
    }
    auto* text = f->control<QLineEdit>("Text7");
    text->setText("a key mapping long enough to select");
    QTest::mousePress(text, Qt::LeftButton, {}, QPoint(3, text->height() / 2));
    for (int x = 20; x <= 120; x += 20)
        moveOver(text, QPointF(x, text->height() / 2), Qt::LeftButton);
    QTest::mouseRelease(text, Qt::LeftButton, {}, QPoint(120, text->height() / 2));
    QVERIFY(!text->selectedText().isEmpty());
}

void PadTest::playPressBevel() {
    f->pad->show();
    Bevel* play = f->bevel("Picture5");
    QWidget* button = f->control("Picture5");
    moveOver(button);
    QTest::mousePress(button, Qt::LeftButton);
    const QColor light(0xE0, 0xE0, 0xE0), dark(0x40, 0x40, 0x40);
    QCOMPARE(play->color(0), dark);
    QCOMPARE(play->color(1), dark);
    QCOMPARE(play->color(2), light);
    QCOMPARE(play->color(3), light);
    for (int line = 0; line < 4; ++line)
        QCOMPARE(play->width(line), 2);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-5, -5)); // released off the button
    for (int line = 0; line < 4; ++line)
        QCOMPARE(play->width(line), 1);
    QCOMPARE(play->color(0), dark); // colours stay pressed until the next move
    moveOver(button);
    QCOMPARE(play->color(0), light);
    QCOMPARE(play->color(2), dark);
}

void PadTest::scrollCaptions() {
    auto* volume = f->control<QScrollBar>("volume");
    auto* ifreq = f->control<QScrollBar>("ifreq");
    volume->setSliderDown(true);
    volume->setSliderPosition(15); // dragging the thumb
    QCOMPARE(f->control<QGroupBox>("Frame6")->title(), QString("Sound Volume  15"));
    volume->setSliderDown(false);
    ifreq->setValue(5);
    ifreq->setValue(0);
    QCOMPARE(f->control<QGroupBox>("Frame4")->title(), QString("Interrupt frequency (ifreq 0 Hz)"));
    ifreq->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(f->control<QGroupBox>("Frame4")->title(), QString("Interrupt frequency (ifreq 1 Hz)"));
}

void PadTest::keysHelp() {
    f->pad->show();
    QTest::mouseClick(f->control("Picture2"), Qt::LeftButton);
    QCOMPARE(f->prompter.m_prompts.size(), 1);
    const auto& prompt = f->prompter.m_prompts.first();
    QCOMPARE(prompt.title, QString("Tips !!"));
    QCOMPARE(prompt.icon, Prompter::Icon::Information);
    const QStringList lines = prompt.text.split('\n');
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines.first(), QString("VGB Keys:"));
    QCOMPARE(lines.last(), QString("- Both Alts + Both Ctrls: Reset Gameboy"));
}

// ---- Launch ----

void PadTest::launchMessages_data() {
    QTest::addColumn<QString>("emulator");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("textStart");
    QTest::addColumn<bool>("directoryChanged");
    QTest::newRow("missing") << "emu/NONE/VGB.EXE"
                             << ""
                             << "Where ?..."
                             << "VGB DOS Not found ! Check your path !\n"
                             << false;
    QTest::newRow("renamed") << "emu/VGB-DOS.EXE"
                             << ""
                             << "Fucking error :(~"
                             << "VGB.EXE Renamed ?! Don't do that ! Name it VGB.EXE !\n"
                             << false;
    QTest::newRow("redirection") << "emu/VGB.EXE"
                                 << "a>b"
                                 << "Damn :("
                                 << "The VGB-DOS command line holds <, > or |." << true;
}

void PadTest::launchMessages() {
    QFETCH(QString, emulator);
    QFETCH(QString, keys);
    touch(m_dir->filePath("emu/VGB-DOS.EXE"));
    QVERIFY(f->pad->Form_Load(QString()));
    f->pad->show();
    f->prompter.m_prompts.clear();
    f->control<QLineEdit>("Text4")->setText(m_dir->filePath(emulator));
    f->control<QLineEdit>("Text7")->setText(keys);
    QTest::mouseClick(f->control("Picture5"), Qt::LeftButton);
    QCOMPARE(f->prompter.m_prompts.size(), 1);
    const auto& prompt = f->prompter.m_prompts.first();
    QTEST(prompt.title, "title");
    QFETCH(QString, textStart);
    QVERIFY2(prompt.text.startsWith(textStart), qPrintable(prompt.text));
    QCOMPARE(prompt.icon, Prompter::Icon::Critical);
    QVERIFY(f->dos.m_sessions.isEmpty());
    QFETCH(bool, directoryChanged);
    QCOMPARE(QDir::currentPath() == QDir(m_dir->filePath("emu")).absolutePath(), directoryChanged);
}

void PadTest::emptyEmulatorPathOpensTheSelector() {
    int opened = 0;
    PadWindows windows;
    windows.showEmulatorSelector = [&] { ++opened; };
    f->pad->setWindows(windows);
    QVERIFY(f->pad->Form_Load(QString()));
    f->prompter.m_prompts.clear();
    f->control<QLineEdit>("Text4")->clear();
    f->pad->Picture5_Click();
    QCOMPARE(opened, 1);
    QVERIFY(f->pad->isEnabled());
    QCOMPARE(f->prompter.m_prompts.size(), 1);
    QCOMPARE(f->prompter.m_prompts.first().text,
             QString("VGB DOS Not found ! Check your path !\n"));
}

void PadTest::tooLongLeavesTheEmulatorDirectoryCurrent() {
    QVERIFY(f->pad->Form_Load(QString()));
    f->prompter.m_prompts.clear();
    f->control<QLineEdit>("Text4")->setText(m_dir->filePath("emu/VGB.EXE"));
    f->control<QLineEdit>("Text7")->setText(QString(150, 'k'));
    f->control<QLineEdit>("text10")->setText("missing.gif");
    f->pad->Picture5_Click();
    QCOMPARE(f->prompter.m_prompts.size(), 1);
    QCOMPARE(f->prompter.m_prompts.first().title, QString("Damn :("));
    QCOMPARE(f->prompter.m_prompts.first().text,
             QString("CRITICAL ERROR ! The VGB-DOS Command line is too large !"));
    QCOMPARE(QDir::currentPath(), QDir(m_dir->filePath("emu")).absolutePath());
    QCOMPARE(f->control<QLineEdit>("text10")->text(), QString("VGB-DOS Default (vgb.gif)"));
    QVERIFY(f->dos.m_sessions.isEmpty());
}

void PadTest::launchStartsTheSession() {
    QVERIFY(f->pad->Form_Load(QString()));
    f->prompter.m_prompts.clear();
    f->control<QLineEdit>("Text4")->setText(m_dir->filePath("emu/VGB.EXE"));
    f->control<QLineEdit>("Text1")->setText(m_dir->filePath("roms/PUZZLE.GB"));
    f->control<QComboBox>("Combo4")->setCurrentIndex(1);
    f->control<QLineEdit>("Text6")->setText("00A-17B-C49");
    f->pad->Picture5_Click();
    QVERIFY(f->prompter.m_prompts.isEmpty());
    QCOMPARE(f->dos.m_sessions.size(), 1);
    const DosSession& session = f->dos.m_sessions.first();
    QCOMPARE(session.commandLine, QString("VGB.EXE D:\\PUZZLE.GB -video 1 -volume  10 -cheat "
                                          "00A-17B-C49 -verbose 0 -vperiod 100 -uperiod 2"));
    QCOMPARE(session.cDirectory, QDir(m_dir->filePath("emu")).absolutePath());
    QCOMPARE(session.dDirectory, QDir(m_dir->filePath("roms")).absolutePath());
    QVERIFY(f->pad->isEnabled());
}

void PadTest::failedStartIsReported() {
    QVERIFY(f->pad->Form_Load(QString()));
    f->prompter.m_prompts.clear();
    f->dos.m_error = "DOSBox was not found, so VGB-DOS cannot run.";
    f->control<QLineEdit>("Text4")->setText(m_dir->filePath("emu/VGB.EXE"));
    f->pad->Picture5_Click();
    QCOMPARE(f->prompter.m_prompts.size(), 1);
    QCOMPARE(f->prompter.m_prompts.first().title, QString("VGB-DOS not started"));
    QCOMPARE(f->prompter.m_prompts.first().text, f->dos.m_error);
}

void PadTest::previewUseItAndClose() {
    QVERIFY(f->pad->Form_Load(QString()));
    f->pad->show();
    f->prompter.m_prompts.clear();
    f->control<QLineEdit>("Text4")->setText(m_dir->filePath("emu/VGB.EXE"));
    f->control<QCheckBox>("Check6")->setChecked(true);
    QVERIFY(!f->pad->previewWindow()); // made on first use
    f->pad->Picture5_Click();
    PreviewWindow* preview = f->pad->previewWindow();
    QCOMPARE(preview->objectName(), QString("preview"));
    QCOMPARE(preview->windowTitle(), QString("Zemplo Command Line Preview"));
    QVERIFY(preview->isVisible());
    QCOMPARE(preview->windowHandle()->transientParent(), f->pad->windowHandle());
    QVERIFY(!f->pad->isEnabled());
    QVERIFY(f->dos.m_sessions.isEmpty());
    auto* text = preview->findChild<QPlainTextEdit*>("Text1");
    QCOMPARE(text->toPlainText(),
             QString("VGB.EXE  -volume  10 -verbose 0 -vperiod 100 -uperiod 2"));

    // Edited past 128 characters: started all the same, twice.
    const QString edited = "VGB.EXE " + QString(140, 'x');
    text->setPlainText(edited);
    auto* useIt = preview->findChild<QPushButton*>("Command2");
    QCOMPARE(useIt->text(), QString("Use it !"));
    QTest::mouseClick(useIt, Qt::LeftButton);
    QTest::mouseClick(useIt, Qt::LeftButton);
    QCOMPARE(f->dos.m_sessions.size(), 2);
    QCOMPARE(f->dos.m_sessions.at(1).commandLine, edited);
    QCOMPARE(f->dos.m_sessions.at(1).cDirectory, QDir(m_dir->filePath("emu")).absolutePath());
    QVERIFY(preview->isVisible());
    QVERIFY(!f->pad->isEnabled());

    // A redirection typed into the box is refused.
    text->setPlainText("VGB.EXE > OUT.TXT");
    QTest::mouseClick(useIt, Qt::LeftButton);
    QCOMPARE(f->dos.m_sessions.size(), 2);
    QCOMPARE(f->prompter.m_prompts.size(), 1);

    auto* close = preview->findChild<QPushButton*>("Command1");
    QCOMPARE(close->text(), QString("Close"));
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!preview->isVisible());
    QVERIFY(f->pad->isEnabled());

    // The next launch replaces the text; closing by the frame acts as "Close".
    f->control<QLineEdit>("Text5")->setText("7");
    f->pad->Picture5_Click();
    QVERIFY(text->toPlainText().endsWith("-uperiod 7"));
    QVERIFY(!f->pad->isEnabled());
    preview->close();
    QVERIFY(!preview->isVisible());
    QVERIFY(f->pad->isEnabled());
}

void PadTest::openersDisableOrNot() {
    int rom = 0, saver = 0;
    PadWindows windows;
    windows.showRomSelector = [&] { ++rom; };
    windows.showConfigSaver = [&] { ++saver; };
    f->pad->setWindows(windows);
    f->pad->show();
    QTest::mouseClick(f->control("Picture8"), Qt::LeftButton);
    QCOMPARE(saver, 1);
    QVERIFY(f->pad->isEnabled());
    const QImage enabledPlay = f->control("Picture5")->grab().toImage();
    QTest::mouseClick(f->control("Picture3"), Qt::LeftButton);
    QCOMPARE(rom, 1);
    QVERIFY(!f->pad->isEnabled());
    // The image buttons of the disabled window look disabled.
    QVERIFY(f->control("Picture5")->grab().toImage() != enabledPlay);
}

void PadTest::previewWrapsAtBlanksOnly() {
    PreviewWindow preview(f->prompter, f->dos, f->pad.get());
    DosSession session;
    session.commandLine = "VGB.EXE D:\\SUPERMAR.GB -video 1 -volume  10 -autoa 1 -autob 1 "
                          "-joy 0 -ifreq  60 -vperiod 10000 -uperiod 2 -keys 0123456789ABCDEF "
                          "-cheat 00A-17B-C49 -nocrc -colorscheme 2 -gifbackground E:\\SKY.GIF";
    preview.showCommand(session);
    auto* text = preview.findChild<QPlainTextEdit*>("Text1");
    const QStringList lines = text->toPlainText().split('\n');
    QVERIFY(lines.size() > 2);
    QCOMPARE(lines.join(' '), session.commandLine); // broken at blanks only
    for (const QString& line : lines.mid(1))        // each further line starts an option
        QVERIFY2(line.startsWith('-') || line.startsWith("D:"), qPrintable(line));
    const QFontMetrics metrics(text->font());
    for (const QString& line : lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= text->viewport()->width(), qPrintable(line));
    QTest::mouseClick(preview.findChild<QPushButton*>("Command2"), Qt::LeftButton);
    QCOMPARE(f->dos.m_sessions.value(0).commandLine, session.commandLine);
}

QTEST_MAIN(PadTest)
#include "tst_pad.moc"
