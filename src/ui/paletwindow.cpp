#include "paletwindow.h"
#include "messagetitles.h"

#include "horizontalscrollbar.h"
#include "keyboardaccess.h"
#include "named.h"
#include "numberform.h"
#include "prompter.h"
#include "romconfigpath.h"
#include "windowshape.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

QString idleCaption() {
    return QStringLiteral("Idle...");
}

QScrollBar* slider(QWidget* parent, const char* name, int minimum, int maximum, const QRect& g) {
    auto* bar = named(new HorizontalScrollBar(parent), name, g);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    return bar;
}

// A box that only shows a colour says which and where: "Colour 0: #FF0000". A screen reader
// hears the new name when the colour changes.
void nameColour(QLineEdit* box, const QString& slot, const QColor& color) {
    box->setAccessibleName(slot + QStringLiteral(": ") + color.name(QColor::HexRgb).toUpper());
}

void setBackground(QLineEdit* box, const QColor& color) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, color);
    box->setPalette(palette);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& g) {
    return named(new QPushButton(caption, parent), name, g);
}

} // namespace

PaletWindow::PaletWindow(const QString& romPath, const QFont& font, Prompter& prompter,
                         std::function<void()> showAbout)
    : QDialog(nullptr), m_romPath(romPath), m_prompter(prompter),
      m_showAbout(std::move(showAbout)) {
    setObjectName(QStringLiteral("Palet"));
    setWindowTitle(QStringLiteral("Color Scheme Wizard"));
    setFont(font);
    buildMixer();
    buildSlots();
    buildBottom();
    setUpKeyboardAndNames();
    shapeFixedWindow(this, QSize(456, 420), WindowKind::Secondary);
    Form_Load();
}

void PaletWindow::buildMixer() {
    Frame2 = named(new QGroupBox(QStringLiteral("Sample"), this), "Frame2", QRect(8, 6, 120, 58));
    Text1 = named(new QLineEdit(Frame2), "Text1", QRect(8, 18, 104, 32));
    Text1->setReadOnly(true);
    Frame3 =
        named(new QGroupBox(QStringLiteral("RGB Code"), this), "Frame3", QRect(8, 68, 120, 46));
    Text2 = named(new QLineEdit(Frame3), "Text2", QRect(8, 17, 104, 22));
    QFont bold = Text2->font();
    bold.setBold(true);
    Text2->setFont(bold);

    Frame1 = named(new QGroupBox(QStringLiteral("RGB Color selector"), this), "Frame1",
                   QRect(136, 6, 312, 108));
    HScroll1 = slider(Frame1, "HScroll1", 0, 255, QRect(10, 22, 292, 18));
    HScroll2 = slider(Frame1, "HScroll2", 0, 255, QRect(10, 50, 292, 18));
    HScroll3 = slider(Frame1, "HScroll3", 0, 255, QRect(10, 78, 292, 18));
    for (QScrollBar* bar : {HScroll1, HScroll2, HScroll3}) {
        // The sample follows a colour slider when a change ends, not while its thumb is dragged.
        bar->setTracking(false);
        connect(bar, &QScrollBar::valueChanged, this, &PaletWindow::HScroll1_Change);
    }
}

void PaletWindow::buildSlots() {
    const auto& table = colorSlots();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const ColorSlot& s = table[slot];
        // Four groups of four: colours top left, sprite colours top right, window colours
        // bottom left, background colours bottom right.
        const int group = slot / 4;
        const int column = (group == 1 || group == 3) ? 1 : 0;
        const int row = (group >= 2 ? 4 : 0) + slot % 4;
        const int x = 8 + column * 224;
        const int y = 122 + row * 26 + (group >= 2 ? 4 : 0);
        const QByteArray buttonName = "Command" + QByteArray::number(s.button);
        const QByteArray swatchName = "Text" + QByteArray::number(s.swatch);
        m_buttons[slot] = button(this, buttonName.constData(), QString::fromLatin1(s.caption),
                                 QRect(x, y, 150, 23));
        m_swatches[slot] =
            named(new QLineEdit(this), swatchName.constData(), QRect(x + 156, y + 1, 40, 21));
        m_swatches[slot]->setReadOnly(true);
        connect(m_buttons[slot], &QPushButton::clicked, this,
                [this, slot] { slotButton_Click(slot); });
    }
}

void PaletWindow::buildBottom() {
    Frame4 =
        named(new QGroupBox(QStringLiteral("Brightness"), this), "Frame4", QRect(8, 338, 216, 44));
    HScroll4 = slider(Frame4, "HScroll4", -100, 100, QRect(8, 18, 200, 18));
    connect(HScroll4, &QScrollBar::valueChanged, this, &PaletWindow::HScroll4_Change);
    connect(HScroll4, &QScrollBar::sliderMoved, this, &PaletWindow::HScroll4_Change);
    Command20 = button(this, "Command20", QString(), QRect(232, 342, 216, 22));
    Command21 =
        button(this, "Command21", QStringLiteral("Reset all colors !"), QRect(232, 366, 216, 22));
    Command17 =
        button(this, "Command17", QStringLiteral("Save .cfg and close"), QRect(8, 392, 140, 24));
    Command19 = button(this, "Command19", QStringLiteral("About..."), QRect(158, 392, 140, 24));
    Command18 = button(this, "Command18", QStringLiteral("Cancel"), QRect(308, 392, 140, 24));
    connect(Command20, &QPushButton::clicked, this, &PaletWindow::Command20_Click);
    connect(Command21, &QPushButton::clicked, this, &PaletWindow::Command21_Click);
    connect(Command17, &QPushButton::clicked, this, &PaletWindow::Command17_Click);
    connect(Command18, &QPushButton::clicked, this, &PaletWindow::Command18_Click);
    connect(Command19, &QPushButton::clicked, this, &PaletWindow::Command19_Click);
}

void PaletWindow::setUpKeyboardAndNames() {
    // The mixer, the four groups of slots in their order, the brightness, then the bottom row.
    setReadingOrder({Text2, HScroll1, HScroll2, HScroll3});
    QWidget* previous = HScroll3;
    for (QPushButton* slot : m_buttons) {
        QWidget::setTabOrder(previous, slot);
        previous = slot;
    }
    QWidget::setTabOrder(previous, HScroll4);
    setReadingOrder({HScroll4, Command20, Command21, Command17, Command19, Command18});
    pressButtonsOnReturn(this);

    nameForScreenReaders(Text2, QStringLiteral("RGB Code"));
    nameForScreenReaders(HScroll1, QStringLiteral("Red"));
    nameForScreenReaders(HScroll2, QStringLiteral("Green"));
    nameForScreenReaders(HScroll3, QStringLiteral("Blue"));
    nameForScreenReaders(HScroll4, QStringLiteral("Brightness"));
    // The sample and the swatches only show colours: Tab passes them by.
    Text1->setFocusPolicy(Qt::NoFocus);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        m_swatches[slot]->setFocusPolicy(Qt::NoFocus);
    }
}

void PaletWindow::paintSwatch(int slot, const QColor& color) {
    setBackground(m_swatches[slot], color);
    nameColour(m_swatches[slot], m_buttons[slot]->text(), color);
}

void PaletWindow::Form_Load() {
    HScroll1_Change();
    HScroll4_Change();
    m_configPath = romConfigPath(m_romPath).value_or(QString());
    const RomPalette palette = readRomConfig(m_configPath);
    if (!palette.error.isEmpty())
        m_prompter.critical(this, messageTitle(MessageTitle::Ouch),
                            QStringLiteral("The colour scheme file cannot be read:\n%1\n%2\n"
                                           "The wizard starts from a blank scheme; Save writes "
                                           "a new file in its place.")
                                .arg(m_configPath, palette.error));
    m_model.startFrom(palette);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto& color = palette.colors[slot];
        paintSwatch(slot,
                    color ? QColor(color->red, color->green, color->blue) : QColor(Qt::white));
    }
    if (palette.brightness != 0)
        HScroll4->setValue(palette.brightness); // runs the brightness change
    Command20->setText(idleCaption());
}

void PaletWindow::HScroll1_Change() {
    const Rgb rgb{HScroll1->value(), HScroll2->value(), HScroll3->value()};
    Text2->setText(rgbCode(rgb));
    setBackground(Text1, QColor(rgb.red, rgb.green, rgb.blue));
    nameColour(Text1, QStringLiteral("Sample"), QColor(rgb.red, rgb.green, rgb.blue));
}

void PaletWindow::slotButton_Click(int slot) {
    const Rgb rgb{HScroll1->value(), HScroll2->value(), HScroll3->value()};
    paintSwatch(slot, QColor(rgb.red, rgb.green, rgb.blue));
    m_model.assign(slot, rgb, Text2->text());
    Command20->setText(QString::fromLatin1(colorSlots()[slot].clearCaption));
}

void PaletWindow::Command20_Click() {
    const std::optional<int> cleared = m_model.clearSelected();
    if (!cleared)
        return;
    paintSwatch(*cleared, Qt::white);
    Command20->setText(idleCaption());
}

void PaletWindow::Command21_Click() {
    m_model.resetAll();
    for (int slot = 0; slot < kSlotCount; ++slot)
        paintSwatch(slot, Qt::white);
    Command20->setText(idleCaption());
}

void PaletWindow::HScroll4_Change() {
    Frame4->setTitle(QStringLiteral("Brightness : ") + formatNumber(HScroll4->sliderPosition()));
}

void PaletWindow::Command17_Click() {
    const QString error = writeRomConfig(m_configPath, m_model.content(HScroll4->value()));
    if (!error.isEmpty()) {
        // The palette stays on screen so that nothing is lost; the old file is untouched.
        m_prompter.critical(this, messageTitle(MessageTitle::Ouch),
                            QStringLiteral("The colour scheme could not be saved to:\n%1\n%2")
                                .arg(m_configPath, error));
        return;
    }
    finish(true);
}

void PaletWindow::Command18_Click() {
    finish(false);
}

void PaletWindow::Command19_Click() {
    if (m_showAbout)
        m_showAbout();
}

void PaletWindow::finish(bool saved) {
    hide();
    emit finished(saved);
}
