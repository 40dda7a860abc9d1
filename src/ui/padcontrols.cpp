// Builds the main window's controls. Positions are in pixels: the left column starts at
// 60 twips (4 px) and is 2295 twips (153 px) wide, the right one starts at 2460 twips (164 px)
// and is 3855 twips (257 px) wide.
#include "accessibleinterfaces.h"
#include "elidedbutton.h"
#include "horizontalscrollbar.h"
#include "imagebutton.h"
#include "named.h"
#include "pad.h"
#include "picturebox.h"
#include "pictures.h"
#include "twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int kLeftX = toPixels(60);
constexpr int kLeftWidth = toPixels(2295);
constexpr int kRightX = toPixels(2460);
constexpr int kRightWidth = toPixels(3855);
constexpr int kTopRowY = 56;
constexpr int kColumnsY = 102;
constexpr int kButtonRowY = 452;

template <typename W> W* make(QWidget* parent, const char* name, const QRect& geometry) {
    return named(new W(parent), name, geometry);
}

QCheckBox* check(QWidget* parent, const char* name, const QString& caption, const QRect& g) {
    QCheckBox* box = make<QCheckBox>(parent, name, g);
    box->setText(caption);
    return box;
}

QComboBox* optionList(QWidget* parent, const char* name, const QStringList& items,
                      const QString& tip, int y) {
    QComboBox* combo = make<QComboBox>(parent, name, QRect(kLeftX, y, kLeftWidth, 21));
    // Editable as setEditable(true) makes it, but its drop-down list is built when it first
    // drops down, not before the window first shows (bench_startup keeps it).
    auto* edit = new QLineEdit(combo);
    edit->setPalette(combo->palette());
    combo->setLineEdit(edit);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setToolTip(tip);
    return combo;
}

QScrollBar* slider(QWidget* parent, const char* name, int maximum, const QRect& g) {
    QScrollBar* bar = make<HorizontalScrollBar>(parent, name, g);
    bar->setRange(0, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    return bar;
}

PictureBox* selectButton(QWidget* parent, const char* name, const QPoint& at) {
    PictureBox* box = new PictureBox(QString::fromLatin1(name), parent);
    box->setGeometry(QRect(at, QSize(16, 13)));
    box->setPixmap(windowPicture(QStringLiteral("select"), parent->devicePixelRatioF()));
    box->setToolTip(QStringLiteral("Click to select..."));
    box->setCursor(Qt::PointingHandCursor);
    return box;
}

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

void Pad::buildLogo() {
    Picture1 = make<QLabel>(this, "Picture1", QRect(3, 2, 421, 51));
    Picture1->setPixmap(windowPicture(QStringLiteral("Picture1"), devicePixelRatioF()));
    Line6 = make<QFrame>(this, "Line6", QRect(kRightX - 6, kColumnsY, 1, 340));
    Line6->setAutoFillBackground(true);
    markDecorative(Line6);
    QPalette palette = Line6->palette();
    palette.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40));
    Line6->setPalette(palette);
}

void Pad::buildCartridgeRow() {
    Frame1 = named(new QGroupBox(QStringLiteral("Cartridge Slot"), this), "Frame1",
                   QRect(kLeftX, kTopRowY, kRightWidth, 42));
    // The path box lies on the window over its frame, as on the original design.
    Text1 = make<QLineEdit>(this, "Text1", QRect(kLeftX + 8, kTopRowY + 16, kRightWidth - 40, 20));
    Picture3 = selectButton(Frame1, "Picture3", QPoint(kRightWidth - 26, 20));
    Frame2 = named(new QGroupBox(QStringLiteral("Game real name"), this), "Frame2",
                   QRect(kLeftX + kRightWidth + 4, kTopRowY, 421 - kRightWidth - 5, 42));
    Text2 = make<QLineEdit>(Frame2, "Text2", QRect(6, 16, Frame2->width() - 12, 20));
}

void Pad::buildOptionLists() {
    int y = kColumnsY;
    const auto next = [&y] { return std::exchange(y, y + 24); };
    Combo4 = optionList(
        this, "Combo4",
        {utf8("0 - Video 320x200 Title screen"), utf8("1 - Video 320x200 No title screen"),
         utf8("2 - Video 360x144 Full screen"), utf8("3 - Video 180x144 Full screen"),
         utf8("4 - Vid\xC3\xA9o 256x200 Title screen"),
         utf8("5 - Vid\xC3\xA9o 256x200 No title screen")},
        QStringLiteral("Screen setup..."), next());
    Combo5 = optionList(this, "Combo5", {utf8("0 - No Sound"), utf8("1 - Adlib")},
                        QStringLiteral("Sound setup..."), next());
    Combo6 = optionList(
        this, "Combo6",
        {utf8("0 - Mono"), utf8("1 - Normal Stereo"), utf8("2 - Reversed St\xC3\xA9r\xC3\xA9o")},
        QStringLiteral("Stereo setup..."), next());
    Combo3 = optionList(this, "Combo3",
                        {utf8("0 - No Buttons swap"), utf8("1 - Swap Joystick buttons"),
                         utf8("2 - Swap Keyboard buttons"), utf8("3 - Swap both")},
                        QStringLiteral("Joypad buttons setup..."), next());
    Combo1 = optionList(this, "Combo1",
                        {utf8("0 - Gray ColorScheme"), utf8("1 - Green ColorScheme"),
                         utf8("2 - Yellow/Blue ColorScheme"), utf8("3 - High Contrast Green"),
                         utf8("4 - Yellow"), utf8("5 - Amber")},
                        QStringLiteral("Colorsheme setup..."), next());
}

void Pad::buildLeftFrames() {
    const int y0 = kColumnsY + 5 * 24 + 2;
    Frame7 = named(new QGroupBox(QStringLiteral("Screen refresh"), this), "Frame7",
                   QRect(kLeftX, y0, kLeftWidth, 64));
    Label3 = make<QLabel>(Frame7, "Label3", QRect(6, 18, 90, 18));
    Label3->setText(QStringLiteral("Vblank period  "));
    Text3 = make<QLineEdit>(Frame7, "Text3", QRect(98, 17, kLeftWidth - 104, 20));
    Label4 = make<QLabel>(Frame7, "Label4", QRect(6, 40, 90, 18));
    Label4->setText(QStringLiteral("Update period  "));
    Text5 = make<QLineEdit>(Frame7, "Text5", QRect(98, 39, kLeftWidth - 104, 20));

    const int y1 = y0 + 68;
    Frame6 = named(new QGroupBox(QStringLiteral("Sound Volume"), this), "Frame6",
                   QRect(kLeftX, y1, kLeftWidth, 42));
    volume = slider(this, "volume", kVolumeMax, QRect(kLeftX + 8, y1 + 18, kLeftWidth - 16, 17));

    const int y2 = y1 + 46;
    Frame3 = named(new QGroupBox(QStringLiteral("Joypad and Auto Fire"), this), "Frame3",
                   QRect(kLeftX, y2, kLeftWidth, 74));
    Check1 = check(Frame3, "Check1", QStringLiteral("Button A"), QRect(8, 17, 130, 18));
    Check2 = check(Frame3, "Check2", QStringLiteral("Button B"), QRect(8, 35, 130, 18));
    Check7 = check(Frame3, "Check7", QStringLiteral("Disable Joypad"), QRect(8, 53, 130, 18));

    const int y3 = y2 + 78;
    Frame11 = named(new QGroupBox(QStringLiteral("Key mapping"), this), "Frame11",
                    QRect(kLeftX, y3, kLeftWidth, 44));
    Text7 = make<QLineEdit>(Frame11, "Text7", QRect(6, 17, kLeftWidth - 12, 20));
}

void Pad::buildRightFrames() {
    int y = kColumnsY;
    const auto place = [&y](int height) {
        const QRect r(kRightX, y, kRightWidth, height);
        y += height + 4;
        return r;
    };

    Frame10 = named(new QGroupBox(QStringLiteral("Game Genie Codes"), this), "Frame10", place(42));
    const int codeWidth = (kRightWidth - 24) / 3;
    Text6 = make<QLineEdit>(Frame10, "Text6", QRect(6, 16, codeWidth, 20));
    Text8 = make<QLineEdit>(Frame10, "Text8", QRect(12 + codeWidth, 16, codeWidth, 20));
    Text9 = make<QLineEdit>(Frame10, "Text9", QRect(18 + 2 * codeWidth, 16, codeWidth, 20));

    Frame12 = named(new QGroupBox(QStringLiteral("Misc"), this), "Frame12", place(40));
    Check3 = check(Frame12, "Check3", QStringLiteral("No CRC"), QRect(8, 17, 70, 18));
    Check5 = check(Frame12, "Check5", QStringLiteral("Silent Start"), QRect(80, 17, 90, 18));
    Check4 = check(Frame12, "Check4", QStringLiteral("Don't delay"), QRect(172, 17, 82, 18));

    // The designed caption ends in a blank; start-up replaces it with the value.
    Frame4 =
        named(new QGroupBox(QStringLiteral("Interrupt frequency "), this), "Frame4", place(42));
    ifreq = slider(Frame4, "ifreq", kIfreqMax, QRect(8, 18, kRightWidth - 16, 17));

    Frame8 = named(new QGroupBox(QStringLiteral("Color scheme Wizard"), this), "Frame8", place(46));
    Command2 = make<QPushButton>(Frame8, "Command2", QRect(8, 16, 110, 24));
    Command2->setText(QStringLiteral("Call Wizard !"));
    Command5 = make<ElidedButton>(Frame8, "Command5", QRect(124, 16, kRightWidth - 132, 24));
    Command5->setText(QStringLiteral("No .cfg file !"));

    Frame9 =
        named(new QGroupBox(QStringLiteral("GIF Background Image"), this), "Frame9", place(42));
    text10 = make<QLineEdit>(Frame9, "text10", QRect(6, 16, kRightWidth - 36, 20));
    Picture22 = selectButton(Frame9, "Picture22", QPoint(kRightWidth - 26, 20));

    const QRect location = place(42);
    Frame5 = named(new QGroupBox(QStringLiteral("VGB-DOS Location"), this), "Frame5", location);
    // Lies on the window over its frame, like the ROM path.
    Text4 = make<QLineEdit>(this, "Text4",
                            QRect(location.x() + 6, location.y() + 16, kRightWidth - 36, 20));
    Picture4 = selectButton(Frame5, "Picture4", QPoint(kRightWidth - 26, 20));

    Frame13 = named(new QGroupBox(QStringLiteral("Command line"), this), "Frame13", place(40));
    Check6 = check(Frame13, "Check6", QStringLiteral("Preview mode"), QRect(8, 17, 120, 18));
    Check6->setToolTip(QStringLiteral("Enable the preview mode..."));
}

void Pad::buildButtonRow() {
    // Left to right; the small ones stand 5 pixels lower, centred on the large ones' row.
    struct Placed {
        ImageButton* Pad::*member;
        ImageButton::Look look;
    };
    static const Placed buttons[] = {
        {&Pad::Picture2,
         {"Picture2",
          "Picture17",
          "Picture16",
          {8, kButtonRowY + 5},
          {},
          "Keys used in VGB-DOS",
          "Keys used in VGB-DOS..."}},
        {&Pad::Picture9,
         {"Picture9",
          "Picture19",
          "Picture18",
          {34, kButtonRowY + 5},
          {},
          "Load a game configuration",
          "Load a config(.Zemplo)..."}},
        {&Pad::Picture8,
         {"Picture8",
          "Picture21",
          "Picture20",
          {60, kButtonRowY + 5},
          {},
          "Save a game configuration",
          "Save this config(.Zemplo)..."}},
        {&Pad::Picture5,
         {"Picture5",
          "Picture11",
          "Picture10",
          {202, kButtonRowY},
          {"Line4", "Line2", "ligne", "Line3"},
          "Play",
          "Click here to play !"}},
        {&Pad::Picture6,
         {"Picture6",
          "Picture13",
          "Picture12",
          {270, kButtonRowY},
          {"Line8", "Line9", "Line10", "Line11"},
          "Quit and save settings",
          "Quit and save full config..."}},
        {&Pad::Picture7,
         {"Picture7",
          "Picture14",
          "Picture15",
          {338, kButtonRowY},
          {"Line13", "Line12", "Line14", "Line15"},
          "About Zemplo 97",
          "About Zemplo 97..."}},
    };
    for (const Placed& button : buttons)
        this->*button.member = new ImageButton(button.look, this);
    Label9 = make<QLabel>(this, "Label9", QRect(kRightX, kButtonRowY + 38, kRightWidth, 16));
    Label9->setText(QStringLiteral("Ready..."));
    Label9->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}
