#include "filelistmodel.h"

#include "archivepath.h"
#include "folderlisting.h"
#include "listingproblem.h"
#include "printable.h"

#include <QColor>

FileListModel::FileListModel(const QString& pattern, QObject* parent)
    : QAbstractListModel(parent), m_pattern(pattern) {}

void FileListModel::setPath(const QString& path) {
    setListing(path, listFolder(path, FolderEntries::Files, m_pattern));
}

void FileListModel::setListing(const QString& path, const FolderListing& listing) {
    beginResetModel();
    m_path = path;
    m_names = listing.names + listing.unusable;
    m_usable = int(listing.names.size());
    m_problem = listingProblem(listing);
    m_archiveRow = -1;
    m_archiveRoms.clear();
    endResetModel();
}

int FileListModel::nameIndex(int row) const {
    if (m_archiveRow < 0 || row <= m_archiveRow)
        return row;
    return row <= m_archiveRow + m_archiveRoms.size() ? -1 : row - int(m_archiveRoms.size());
}

QString FileListModel::fileName(int row) const {
    const int at = nameIndex(row);
    if (at < 0)
        return joinArchiveRomPath(m_names.value(m_archiveRow),
                                  m_archiveRoms.value(row - m_archiveRow - 1));
    return at < m_usable ? m_names.value(at) : QString();
}

void FileListModel::showArchiveRoms(int row, const QStringList& entries) {
    if (m_archiveRow >= 0) {
        beginRemoveRows({}, m_archiveRow + 1, m_archiveRow + int(m_archiveRoms.size()));
        if (row > m_archiveRow)
            row -= int(m_archiveRoms.size());
        m_archiveRow = -1;
        m_archiveRoms.clear();
        endRemoveRows();
    }
    if (entries.isEmpty() || row < 0 || row >= m_usable)
        return;
    beginInsertRows({}, row + 1, row + int(entries.size()));
    m_archiveRow = row;
    m_archiveRoms = entries;
    endInsertRows();
}

int FileListModel::indexOf(const QString& name) const {
    const int at = int(m_names.indexOf(name));
    return m_archiveRow >= 0 && at > m_archiveRow ? at + int(m_archiveRoms.size()) : at;
}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_names.size() + m_archiveRoms.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int at = nameIndex(index.row());
    if (at < 0) {
        // A ROM inside the archive above it, set in under it as a file manager shows a folder.
        const QString entry = printable(m_archiveRoms.at(index.row() - m_archiveRow - 1));
        if (role == Qt::DisplayRole)
            return QStringLiteral("    ") + entry;
        if (role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
            return QStringLiteral("%1 in %2").arg(entry, m_names.at(m_archiveRow));
        return {};
    }
    const bool usable = at < m_usable;
    if (role == Qt::DisplayRole)
        return usable ? m_names.at(at) : m_names.at(at) + unusableMark();
    if (role == Qt::ToolTipRole)
        return usable ? m_names.at(at) : unusableTip();
    if (role == Qt::ForegroundRole && !usable)
        return QColor(Qt::gray);
    return {};
}
