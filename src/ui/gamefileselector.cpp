#include "gamefileselector.h"
#include "messagetitles.h"

#include "accessibleinterfaces.h"
#include "archivepath.h"
#include "cartridgeinfo.h"
#include "filelistmodel.h"
#include "keyboardaccess.h"
#include "keyboardlistview.h"
#include "named.h"
#include "printable.h"
#include "prompter.h"
#include "romarchive.h"
#include "romlistexport.h"
#include "urlopener.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressDialog>
#include <QPushButton>

namespace {
constexpr int kExtraWidth = 210;

QFrame* line(QWidget* parent, const char* name, const QRect& geometry) {
    auto* l = named(new QFrame(parent), name, geometry);
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    markDecorative(l);
    return l;
}
} // namespace

GameFileSelector::GameFileSelector(QWidget* mainWindow, SelectorConfirm select, UrlOpener& opener,
                                   Prompter& prompter)
    : FileSelector({"GameFileSelector", QStringLiteral("Select a Gameboy Cartridge Image..."),
                    QStringLiteral("*.gb;*.zip;*.7z"), QStringLiteral("Select a .GB Rom here !"),
                    QStringLiteral("Select"), QStringLiteral("File selected")},
                   mainWindow, {}, kExtraWidth),
      m_opener(opener), m_prompter(prompter) {
    const QRect area = extraArea();
    auto* info = named(new QGroupBox(QStringLiteral("Cartridge Informations"), this), "Frame1",
                       QRect(area.x(), area.y(), area.width(), 108));
    const int boxWidth = area.width() - 12;
    Text2 = named(new QLineEdit(info), "Text2", QRect(6, 18, boxWidth, 20));
    Text3 = named(new QLineEdit(info), "Text3", QRect(6, 44, boxWidth, 20));
    Text4 = named(new QLineEdit(info), "Text4", QRect(6, 70, boxWidth, 20));
    for (QLineEdit* box : {Text2, Text3, Text4})
        box->setReadOnly(true);

    Line1 = line(this, "Line1", QRect(area.x(), area.y() + 118, area.width(), 2));
    Combo1 =
        named(new QComboBox(this), "Combo1", QRect(area.x(), area.y() + 130, area.width(), 22));
    Combo1->setEditable(true);
    Combo1->addItems({QStringLiteral("As Text"), QStringLiteral("As HTML")});
    Combo1->setCurrentIndex(0);
    Check1 = named(new QCheckBox(this), "Check1", QRect(area.x(), area.y() + 160, 18, 18));
    Label1 = named(new QLabel(QStringLiteral("Rename filenames as .zip on the HTML List"), this),
                   "Label1", QRect(area.x() + 20, area.y() + 156, area.width() - 20, 30));
    Label1->setWordWrap(true);
    Command3 = named(new QPushButton(QStringLiteral("Make List..."), this), "Command3",
                     QRect(area.x(), area.y() + 192, area.width(), 26));
    Line2 = line(this, "Line2", QRect(area.x(), area.y() + 228, area.width(), 2));

    // After the browsing: the header read, then the list export.
    setReadingOrder({Command2, Text2, Text3, Text4, Combo1, Check1, Command3});
    pressButtonsOnReturn(this);
    nameForScreenReaders(Text2, QStringLiteral("Title"));
    nameForScreenReaders(Text3, QStringLiteral("Cartridge type"));
    nameForScreenReaders(Text4, QStringLiteral("ROM size"));
    nameForScreenReaders(Combo1, QStringLiteral("List format"));
    nameForScreenReaders(Check1, Label1->text());

    // An archive of several ROMs is not selected itself: its ROMs are.
    setConfirm([this, select = std::move(select)](const QString& path) {
        if (m_severalRoms.isEmpty())
            return select(path);
        tellArchiveRoms();
        return false;
    });
    connect(text1, &QLineEdit::textChanged, this, &GameFileSelector::Text1_Change);
    connect(Command3, &QPushButton::clicked, this, &GameFileSelector::Command3_Click);
    connect(&m_listJob, &RomListJob::finished, this, &GameFileSelector::listMade);
    connect(&m_progressTimer, &QTimer::timeout, this, &GameFileSelector::showListProgress);
}

GameFileSelector::~GameFileSelector() = default;

void GameFileSelector::Command3_Click() {
    // The choice is read as typed: anything but the two items does nothing.
    const QString choice = Combo1->currentText();
    RomListKind kind;
    if (choice == QLatin1String("As Text"))
        kind = RomListKind::Text;
    else if (choice == QLatin1String("As HTML"))
        kind = RomListKind::Html;
    else
        return;

    if (!m_listJob.start(directoryPath(), kind, Check1->isChecked(), romListDate()))
        return;
    // A large folder on a slow disk shows how far it got and can be stopped.
    if (m_progressDelay > 0)
        m_progressTimer.start(m_progressDelay);
    else
        showListProgress();
}

void GameFileSelector::showListProgress() {
    if (!m_progress) {
        m_progress =
            std::make_unique<QProgressDialog>(QString(), QStringLiteral("Cancel"), 0, 0, this);
        m_progress->setObjectName(QStringLiteral("ExportProgress"));
        m_progress->setWindowTitle(QStringLiteral("Make List..."));
        m_progress->setWindowModality(Qt::WindowModal);
        connect(m_progress.get(), &QProgressDialog::canceled, &m_listJob, &RomListJob::cancel);
        m_progress->show();
        m_progressTimer.start(100);
    }
    m_progress->setLabelText(QStringLiteral("%1 ROMs listed...").arg(m_listJob.romsRead()));
}

void GameFileSelector::listMade(const RomListExport& list) {
    m_progressTimer.stop();
    m_progress.reset();
    if (list.cancelled)
        return;
    if (!list.error.isEmpty()) {
        m_prompter.critical(this, messageTitle(MessageTitle::Ouch),
                            QStringLiteral("The ROM list could not be written:\n%1\n%2")
                                .arg(list.path, list.error));
        return;
    }
    m_opener.open(QUrl::fromLocalFile(list.path));
}

void GameFileSelector::hideEvent(QHideEvent* event) {
    FileSelector::hideEvent(event);
    if (event->spontaneous()) // minimized: the window is still the user's
        return;
    m_listJob.abandon();
    m_progressTimer.stop();
    m_progress.reset();
}

void GameFileSelector::Text1_Change() {
    // A path being typed or naming no ROM gives empty boxes, never the last ROM's header.
    const QString path = text1->text();
    const CartridgeRead read = readCartridgeInfo(path);
    Text2->setText(read.info ? read.info->title : QString());
    Text3->setText(read.info ? read.info->typeText : QString());
    Text4->setText(read.info ? read.info->sizeText : QString());
    m_severalRoms.clear();
    if (!read.info && isArchivePath(path)) {
        const ArchiveContents contents = listArchive(path);
        if (contents.roms.size() > 1)
            for (const ArchivedRom& rom : contents.roms)
                m_severalRoms << rom.name;
    }
    if (m_severalRoms.isEmpty()) {
        Status->setToolTip({});
        showListingProblem();
    } else {
        tellArchiveRoms();
    }
}

void GameFileSelector::tellArchiveRoms() {
    QStringList shown;
    for (const QString& name : m_severalRoms)
        shown << printable(name);
    Status->setText(QStringLiteral("%1 holds %2 ROMs: pick one in the list under it, or type "
                                   "its name after a #.")
                        .arg(QFileInfo(text1->text()).fileName())
                        .arg(m_severalRoms.size()));
    Status->setToolTip(firstFive(shown, int(shown.size())));
}

// A click on an archive of several ROMs opens it in the list like a folder, its ROMs set in
// under it: each is reached by the arrows and chosen as a file is. A list of them one level
// deeper keeps the window's one file list, and no archive is opened before it is clicked.
void GameFileSelector::fileClicked(int row) {
    if (!fileModel()->isInsideArchive(row))
        fileModel()->showArchiveRoms(row, m_severalRoms);
}

bool GameFileSelector::fileActivated(int row) {
    if (m_severalRoms.isEmpty() || fileModel()->isInsideArchive(row))
        return false;
    // Return on the archive goes into it, to its first ROM.
    File1->setCurrentIndex(fileModel()->index(row + 1));
    File1_Click(File1->currentIndex());
    return true;
}
