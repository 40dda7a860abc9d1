#include "pad.h"
#include "messagetitles.h"

#include "archivepath.h"
#include "dosboxenvironment.h"
#include "elidedbutton.h"
#include "fileexist.h"
#include "gameconfigfile.h"
#include "imagebutton.h"
#include "launchplan.h"
#include "numberform.h"
#include "picturebox.h"
#include "previewwindow.h"
#include "printable.h"
#include "programargument.h"
#include "prompter.h"
#include "romarchive.h"
#include "romconfigpath.h"
#include "settingbindings.h"
#include "settingsio.h"
#include "twips.h"
#include "version.h"
#include "windowshape.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

namespace {

constexpr int kWindowWidth = 428;
constexpr int kWindowHeight = 512;

bool isChecked(const QCheckBox* box) {
    return box->checkState() != Qt::Unchecked;
}

} // namespace

Pad::Pad(PadServices services, QWidget* parent) : QWidget(parent), m_services(services) {
    setObjectName(QStringLiteral("Pad"));
    setWindowTitle(QStringLiteral("Zemplo  v%1 for VGB-DOS v0.85").arg(kProductVersion));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    shapeFixedWindow(this, QSize(kWindowWidth, kWindowHeight), WindowKind::Main);
    setAcceptDrops(true);

    buildLogo();
    buildCartridgeRow();
    buildOptionLists();
    buildLeftFrames();
    buildRightFrames();
    buildButtonRow();
    bindSettings();
    setUpStatusHints();
    watchMouseMoves();
    setUpKeyboardAndNames();

    connect(Picture2, &PictureBox::clicked, this, &Pad::Picture2_Click);
    connect(Picture9, &PictureBox::clicked, this, &Pad::Picture9_Click);
    connect(Picture8, &PictureBox::clicked, this, &Pad::Picture8_Click);
    connect(Picture5, &PictureBox::clicked, this, &Pad::Picture5_Click);
    connect(Picture5, &PictureBox::pressed, this, &Pad::Picture5_MouseDown);
    connect(Picture5, &PictureBox::released, this, &Pad::Picture5_MouseUp);
    connect(Picture6, &PictureBox::clicked, this, &Pad::Picture6_Click);
    connect(Picture7, &PictureBox::clicked, this, &Pad::Picture7_Click);
    connect(Picture3, &PictureBox::clicked, this, &Pad::Picture3_Click);
    connect(Picture4, &PictureBox::clicked, this, &Pad::Picture4_Click);
    connect(Picture22, &PictureBox::clicked, this, &Pad::Picture22_Click);
    connect(Command2, &QPushButton::clicked, this, &Pad::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &Pad::Command5_Click);
    connect(ifreq, &QScrollBar::valueChanged, this, &Pad::ifreq_Change);
    connect(volume, &QScrollBar::valueChanged, this, &Pad::volume_Change);
    // The program and the selection windows change the ROM path in one go and it is checked at
    // once; typing is checked when the user has finished, not at every letter.
    connect(Text1, &QLineEdit::textChanged, this, [this] {
        if (!Text1->isModified())
            Text1_Change();
    });
    connect(Text1, &QLineEdit::editingFinished, this, [this] {
        if (Text1->isModified()) {
            Text1->setModified(false);
            Text1_Change();
        }
    });
}

Pad::~Pad() {
    // The path box loses its focus while the window is taken down, after this part of it is
    // gone: it must not call back into it.
    Text1->disconnect(this);
}

// ---- Start-up and quit ----

bool Pad::Form_Load(const QString& argument) {
    KeysOFF();
    playOFF();
    QuitOFF();
    HelpOFF();
    Label9->setText(QStringLiteral("Ready..."));

    SettingsStore& store = m_services.store;
    if (isFirstUse(store)) {
        const auto answer = m_services.prompter.ask(
            this, QString(),
            QStringLiteral("Version 2.62 First use !\nZemplo 97 Will generate the new "
                           "configuration\nIt will be saved ONLY if you press the Quit button !"),
            Prompter::Icon::None, Prompter::Buttons::OkCancel);
        if (answer != Prompter::Answer::Ok)
            return false;
        applySettings(firstUseSettings());
    } else {
        const LauncherSettings stored = loadStoredSettings(store);
        applySettings(stored);
        if (!FileExist(stored.emulatorPath))
            m_services.prompter.critical(this, messageTitle(MessageTitle::Configuration),
                                         QStringLiteral("Emulator not found at:\n%1\nEnter the "
                                                        "good path in Zemplo !")
                                             .arg(stored.emulatorPath));
    }
    ifreq_Change();
    volume_Change();

    takeArgument(argument);
    return true;
}

bool Pad::takeArgument(const QString& argument) {
    switch (classifyArgument(argument)) {
    case ArgumentKind::Rom:
        setRomPath(argument);
        return true;
    case ArgumentKind::GameConfiguration:
        loadGameConfiguration(argument); // a file that fails is told, and the program goes on
        return true;
    case ArgumentKind::None:
    case ArgumentKind::Ignored:
        break;
    }
    return false;
}

// ---- Files dropped on the window ----

bool Pad::tellArchiveOfSeveral(const QString& path) {
    if (!isArchivePath(path))
        return false;
    const int roms = int(listArchive(path).roms.size());
    if (roms < 2)
        return false;
    Label9->setText(QStringLiteral("%1 holds %2 ROMs: pick one in the Cartridge Slot's ... "
                                   "window, where the archive opens like a folder.")
                        .arg(printable(QFileInfo(path).fileName()))
                        .arg(roms));
    return true;
}

void Pad::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void Pad::dropEvent(QDropEvent* event) {
    // One file is taken as the program's argument would be; of several, the first.
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    const QString path = urls.first().toLocalFile();
    // An archive of several ROMs is no ROM itself: the ROM window opens it, a ROM at a time.
    if (!tellArchiveOfSeveral(path) && !takeArgument(path))
        Label9->setText(QStringLiteral(
            "Drop a .gb ROM, a ROM archive (.zip, .7z) or a .Zemplo game file here."));
}

void Pad::Picture6_Click() {
    // Quit ends the program only once the settings are safe; otherwise the user may retry
    // or stay, and nothing on the window is lost.
    while (!saveSettings(m_services.store, settings())) {
        const auto answer = m_services.prompter.ask(
            this, messageTitle(MessageTitle::Configuration),
            QStringLiteral("The settings could not be saved to:\n%1\nCheck that the folder is "
                           "writable and press Retry, or Cancel to stay in Zemplo.")
                .arg(m_services.store.location()),
            Prompter::Icon::Critical, Prompter::Buttons::RetryCancel);
        if (answer != Prompter::Answer::Retry)
            return;
    }
    emit quitRequested();
}

void Pad::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closedWithoutSaving();
}

void Pad::bindSettings() {
    using S = LauncherSettings;
    m_bindings = {
        {&S::emulatorPath, Text4}, {&S::video, Combo4},      {&S::sound, Combo5},
        {&S::stereo, Combo6},      {&S::buttons, Combo3},    {&S::volume, volume},
        {&S::autoA, Check1},       {&S::autoB, Check2},      {&S::joypadOff, Check7},
        {&S::ifreq, ifreq},        {&S::vblank, Text3},      {&S::uperiod, Text5},
        {&S::keyMap, Text7},       {&S::background, text10}, {&S::noCrc, Check3},
        {&S::silentStart, Check5}, {&S::noDelay, Check4},    {&S::colorScheme, Combo1},
        {&S::romPath, Text1},      {&S::romName, Text2},     {&S::genie1, Text6},
        {&S::genie2, Text8},       {&S::genie3, Text9},      {&S::previewMode, Check6},
    };
}

LauncherSettings Pad::settings() const {
    LauncherSettings s;
    readBoundControls(m_bindings, s);
    // Where the platform cannot tell where the window stands (Wayland), the stored position is
    // kept as it was read: a made-up one would lose the place a user kept on X11.
    const bool unmoved = !platformPlacesWindows() || pos() == m_placedAt;
    s.top = unmoved ? m_placedTopTwips : toTwips(y());
    s.left = unmoved ? m_placedLeftTwips : toTwips(x());
    return s;
}

void Pad::applySettings(const LauncherSettings& s) {
    writeBoundControls(m_bindings, s, isStoredSetting);
    moveOntoScreen(s.left, s.top);
    showListStarts();
}

void Pad::showListStarts() {
    // The beginning of each list text is where its digit is.
    for (QComboBox* combo : {Combo4, Combo5, Combo6, Combo3, Combo1})
        combo->lineEdit()->setCursorPosition(0);
}

QString Pad::romPath() const {
    return Text1->text();
}

QString Pad::romName() const {
    return Text2->text();
}

void Pad::setRomPath(const QString& path) {
    Text1->setText(path);
}

void Pad::setEmulatorPath(const QString& path) {
    Text4->setText(path);
}

void Pad::setBackground(const QString& path) {
    text10->setText(path);
}

void Pad::showRomTitle(const QString& title) {
    Text2->setText(title);
}

void Pad::refreshDeleteCaption() {
    Command5->setText(deleteButtonCaption(Text1->text()));
}

bool Pad::loadGameConfiguration(const QString& path) {
    const GameConfigRead read = readGameConfig(path, settings());
    if (!read.settings) {
        const GameConfigMessage message = gameConfigMessage(path, read);
        m_services.prompter.critical(this, message.title, message.text);
        return false;
    }
    const LauncherSettings& s = *read.settings;
    writeBoundControls(m_bindings, s, isGameFileSetting);
    showListStarts();
    // Last, with everything else in place: the ROM path check reads the ROM's own title over
    // the file's. The same path again would not signal a change, so the check is run here.
    if (Text1->text() == s.romPath)
        Text1_Change();
    else
        setRomPath(s.romPath);
    return true;
}

void Pad::moveOntoScreen(double leftTwips, double topTwips) {
    QPoint at(toPixels(leftTwips), toPixels(topTwips));
    // A position saved on a screen that is gone would leave the window out of reach.
    const QRect wanted(at, size());
    const auto screens = QGuiApplication::screens();
    const bool visible = std::any_of(screens.begin(), screens.end(), [&](QScreen* screen) {
        return screen->availableGeometry().intersected(wanted).width() >= 60 &&
               screen->availableGeometry().contains(QPoint(at.x() + 30, at.y() + 10));
    });
    if (!visible && QGuiApplication::primaryScreen()) {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - width())));
        at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - height())));
        leftTwips = toTwips(at.x());
        topTwips = toTwips(at.y());
    }
    if (platformPlacesWindows()) // elsewhere the compositor places windows, and says nothing
        move(at);
    m_placedAt = pos();
    m_placedLeftTwips = leftTwips;
    m_placedTopTwips = topTwips;
}

// ---- The launch ----

void Pad::Picture5_Click() {
    if (Text4->text().isEmpty() && m_windows.showEmulatorSelector)
        m_windows.showEmulatorSelector();             // without disabling the main window
    const RomLocation rom = locateRom(Text1->text()); // before the directory changes

    const LaunchPlan plan = planLaunch(settings(), rom);
    if (plan.changesDirectory() && !QDir::setCurrent(plan.emulatorDirectory)) {
        m_services.prompter.critical(this, messageTitle(MessageTitle::NotStarted),
                                     QStringLiteral("The emulator's folder cannot be entered:\n%1")
                                         .arg(plan.emulatorDirectory));
        return;
    }
    if (plan.resetBackground)
        text10->setText(defaultBackgroundLabel());
    if (plan.stop) {
        m_services.prompter.critical(this, plan.stop->title, plan.stop->text);
        return;
    }
    if (plan.notice)
        m_services.prompter.ask(this, plan.notice->title, plan.notice->text,
                                Prompter::Icon::Information, Prompter::Buttons::Ok);
    if (isChecked(Check6)) {
        if (!m_preview) // made on first use, then only hidden and shown
            m_preview = std::make_unique<PreviewWindow>(m_services.prompter, m_services.dos, this);
        m_preview->showCommand(plan.session);
        disableForDialog();
        return;
    }
    const QString error = m_services.dos.start(plan.session);
    if (!error.isEmpty())
        m_services.prompter.critical(this, messageTitle(MessageTitle::NotStarted), error);
}

// ---- Buttons that open other windows ----

void Pad::openDisabling(const std::function<void()>& show) {
    if (!show)
        return;
    disableForDialog();
    show();
}

void Pad::disableForDialog() {
    // Qt takes the focus from a window it disables; the user finds it where it was left.
    m_focusBeforeDialog = focusWidget();
    setEnabled(false);
}

void Pad::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && isEnabled() && m_focusBeforeDialog)
        m_focusBeforeDialog->setFocus(Qt::OtherFocusReason);
}

void Pad::Picture3_Click() {
    openDisabling(m_windows.showRomSelector);
}
void Pad::Picture4_Click() {
    openDisabling(m_windows.showEmulatorSelector);
}
void Pad::Picture7_Click() {
    openDisabling(m_windows.showAbout);
}
void Pad::Picture22_Click() {
    openDisabling(m_windows.showGifSelector);
}

void Pad::Picture8_Click() {
    if (m_windows.showConfigSaver)
        m_windows.showConfigSaver();
}

void Pad::Picture9_Click() {
    if (m_windows.showConfigLoader)
        m_windows.showConfigLoader();
}

void Pad::Command2_Click() {
    if (m_windows.callWizard)
        m_windows.callWizard();
}

void Pad::Text1_Change() {
    if (m_windows.romPathChanged)
        m_windows.romPathChanged();
}

void Pad::Command5_Click() {
    if (m_windows.deleteRomConfig)
        m_windows.deleteRomConfig();
}

void Pad::Picture2_Click() {
    m_services.prompter.ask(this, messageTitle(MessageTitle::Tips),
                            QStringLiteral("VGB Keys:\n"
                                           "- F1-F4: Toggle sound channels 1-4 on/off\n"
                                           "- F5: Toggle sound on/off\n"
                                           "- F8: Pause & blank screen\n"
                                           "- F9: Pause\n"
                                           "- F10 or ESC: Quit VGB-DOS\n"
                                           "- F11: Increase Sound Volume\n"
                                           "- F12: Decrease Sound Volume\n"
                                           "- Both Alts + Both Ctrls: Reset Gameboy"),
                            Prompter::Icon::Information, Prompter::Buttons::Ok);
}

// ---- Scroll bar captions ----

void Pad::ifreq_Change() {
    Frame4->setTitle(QStringLiteral("Interrupt frequency (ifreq") + formatNumber(ifreq->value()) +
                     QStringLiteral(" Hz)"));
}

void Pad::volume_Change() {
    Frame6->setTitle(QStringLiteral("Sound Volume ") + formatNumber(volume->value()));
}
