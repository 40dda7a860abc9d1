#include "fileselector.h"

#include "directorylistmodel.h"
#include "filelistmodel.h"
#include "folderlisting.h"
#include "hostpath.h"
#include "keyboardaccess.h"
#include "keyboardlistview.h"
#include "named.h"
#include "twips.h"
#include "windowshape.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStorageInfo>

namespace {
constexpr int kBrowseWidth = 372;
constexpr int kHeight = 318;

} // namespace

FileSelector::FileSelector(const SelectorSpec& spec, QWidget* mainWindow, SelectorConfirm confirm,
                           int extraWidth)
    : QDialog(nullptr), m_spec(spec), m_mainWindow(mainWindow), m_confirm(std::move(confirm)),
      m_dirs(new DirectoryListModel(this)), m_files(new FileListModel(spec.pattern, this)),
      m_extraWidth(extraWidth) {
    setObjectName(QString::fromLatin1(spec.name));
    setWindowTitle(spec.caption);
    setFont(mainWindow->font());

    buildControls(spec, extraWidth);
    shapeFixedWindow(this, QSize(kBrowseWidth + extraWidth, kHeight), WindowKind::Secondary);
    connect(drive1, &QComboBox::currentIndexChanged, this, &FileSelector::Drive1_Change);
    connect(Dir1, &QListView::activated, this, [this](const QModelIndex& index) {
        const QString path = m_dirs->pathAt(index.row());
        if (!path.isEmpty()) // a folder whose name cannot be used is not entered
            setDirectoryPath(path);
    });
    connect(File1, &QListView::clicked, this, &FileSelector::File1_Click);
    connect(File1, &QListView::doubleClicked, this, &FileSelector::File1_DblClick);
    connect(File1, &KeyboardListView::clickedByKey, this, &FileSelector::File1_Click);
    connect(File1, &KeyboardListView::returnPressed, this, &FileSelector::File1_DblClick);
    connect(COmmand1, &QPushButton::clicked, this, &FileSelector::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FileSelector::Command2_Click);

    // The lists start on the process's current folder and its drive.
    const QString start = QDir::currentPath();
    fillDrives();
    const QSignalBlocker blocker(drive1);
    drive1->setCurrentIndex(std::max(0, drive1->findText(QStorageInfo(start).rootPath())));
    setDirectoryPath(start);
}

void FileSelector::buildControls(const SelectorSpec& spec, int extraWidth) {
    QGroupBox* driveFrame =
        named(new QGroupBox(QStringLiteral("Drive"), this), "DriveFrame", QRect(6, 4, 176, 44));
    drive1 = new QComboBox(driveFrame);
    drive1->setObjectName(QStringLiteral("drive1"));
    drive1->setGeometry(6, 16, 164, 22);

    QGroupBox* dirFrame = named(new QGroupBox(QStringLiteral("Directory"), this), "DirectoryFrame",
                                QRect(6, 50, 176, 150));
    Dir1 = new QListView(dirFrame);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setGeometry(6, 16, 164, 128);
    Dir1->setModel(m_dirs);

    QGroupBox* fileFrame =
        named(new QGroupBox(QStringLiteral("Files"), this), "FilesFrame", QRect(188, 4, 178, 196));
    File1 = new KeyboardListView(fileFrame);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setGeometry(6, 16, 166, 174);
    File1->setModel(m_files);
    File1->setUniformItemSizes(true); // folders of thousands of ROMs stay quick to show
    if (!spec.fileTip.isEmpty())
        File1->setToolTip(spec.fileTip);

    QGroupBox* nameFrame =
        named(new QGroupBox(spec.nameFrame, this), "NameFrame", QRect(6, 204, 360, 44));
    text1 = new QLineEdit(nameFrame);
    text1->setObjectName(QStringLiteral("text1"));
    text1->setGeometry(6, 16, 348, 20);

    COmmand1 = new QPushButton(spec.confirm, this);
    COmmand1->setObjectName(QStringLiteral("COmmand1"));
    COmmand1->setGeometry(6, 258, 120, 30);
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(246, 258, 120, 30);
    Status = named(new QLabel(this), "Status", QRect(6, 292, kBrowseWidth + extraWidth - 12, 20));

    setReadingOrder({drive1, Dir1, File1, text1, COmmand1, Command2});
    pressButtonsOnReturn(this);
    nameForScreenReaders(drive1, QStringLiteral("Drive"));
    nameForScreenReaders(Dir1, QStringLiteral("Directory"));
    nameForScreenReaders(File1, QStringLiteral("Files"), spec.fileTip);
    nameForScreenReaders(text1, spec.nameFrame);
}

QString FileSelector::chosenText() const {
    return text1->text();
}

void FileSelector::proposeName(const QString& name) {
    text1->setText(name);
}

QRect FileSelector::extraArea() const {
    return QRect(kBrowseWidth, 4, m_extraWidth - 6, kHeight - 8);
}

void FileSelector::fillDrives() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    roots.removeAll(QStringLiteral("/"));
    std::sort(roots.begin(), roots.end());
    roots.prepend(QStringLiteral("/"));
    drive1->addItems(roots);
}

void FileSelector::placeOnMainWindow() {
    // 10 twips right of and below the main window's corner; where the platform places windows
    // itself (Wayland), it puts a dialog over its main window.
    if (platformPlacesWindows())
        move(m_mainWindow->x() + (10 + kTwipsPerPixel - 1) / kTwipsPerPixel,
             m_mainWindow->y() + (10 + kTwipsPerPixel - 1) / kTwipsPerPixel);
}

QString FileSelector::directoryPath() const {
    return m_dirs->path();
}

void FileSelector::selectDrive(const QString& rootPath) {
    const int index = drive1->findText(rootPath);
    if (index < 0)
        drive1->addItem(rootPath);
    drive1->setCurrentIndex(index < 0 ? drive1->count() - 1 : index);
}

void FileSelector::setDirectoryPath(const QString& path) {
    const QString clean = QDir::cleanPath(path);
    if (clean == m_dirs->path())
        return;
    // One read of the folder gives both lists their entries (bench_romwindow keeps it).
    const FolderContents contents = listFolderContents(clean, m_files->pattern());
    m_dirs->setListing(clean, contents.folders);
    Dir1->setCurrentIndex(m_dirs->index(m_dirs->currentRow()));
    Dir1_Change(contents.files);
    showListingProblem();
}

void FileSelector::Drive1_Change() {
    const QString root = drive1->currentText();
    // A drive that cannot be read sends the lists back to the root of the system.
    if (!QFileInfo(root).isDir() || !QFileInfo(root).isReadable()) {
        if (root != QLatin1String("/")) {
            selectDrive(QStringLiteral("/"));
            return;
        }
    }
    setDirectoryPath(root);
}

void FileSelector::Dir1_Change(const FolderListing& files) {
    m_files->setListing(m_dirs->path(), files);
}

void FileSelector::showListingProblem() {
    // A folder that cannot be read looks empty; the status line says why.
    const QString problem = m_dirs->problem();
    Status->setText(problem.isEmpty() ? m_files->problem() : problem);
}

void FileSelector::File1_Click(const QModelIndex& index) {
    const QString name = m_files->fileName(index.row());
    if (name.isEmpty())
        return;
    text1->setText(m_spec.nameOnly ? name : joinPath(m_dirs->path(), name));
    fileClicked(index.row());
}

void FileSelector::File1_DblClick(const QModelIndex& index) {
    if (!m_spec.selects || fileActivated(index.row()))
        return;
    // The single click of the double click has already put the path into text1.
    const QString name = m_files->fileName(index.row());
    if (!name.isEmpty())
        text1->setText(joinPath(m_dirs->path(), name));
    Command1_Click();
}

void FileSelector::Command1_Click() {
    if (m_confirm && !m_confirm(text1->text()))
        return;
    leave();
}

void FileSelector::Command2_Click() {
    leave();
}

void FileSelector::leave() {
    hide();
    if (m_spec.selects)
        m_mainWindow->setEnabled(true);
    returnKeyboardTo(m_mainWindow);
}

void FileSelector::refreshFiles() {
    m_files->setPath(m_files->path());
    showListingProblem();
}
