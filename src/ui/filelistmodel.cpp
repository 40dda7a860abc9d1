#include "filelistmodel.h"

#include "folderlisting.h"
#include "listingproblem.h"

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
    endResetModel();
}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_names.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_names.size())
        return {};
    const bool usable = index.row() < m_usable;
    if (role == Qt::DisplayRole)
        return usable ? m_names.at(index.row()) : m_names.at(index.row()) + unusableMark();
    if (role == Qt::ToolTipRole)
        return usable ? m_names.at(index.row()) : unusableTip();
    if (role == Qt::ForegroundRole && !usable)
        return QColor(Qt::gray);
    return {};
}
