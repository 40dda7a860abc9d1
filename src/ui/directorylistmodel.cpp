#include "directorylistmodel.h"

#include "hostpath.h"
#include "listingproblem.h"

#include <QApplication>
#include <QDir>
#include <QStyle>

void DirectoryListModel::setPath(const QString& path) {
    setListing(path, listFolder(QDir::cleanPath(path), FolderEntries::Folders));
}

void DirectoryListModel::setListing(const QString& path, const FolderListing& listing) {
    beginResetModel();
    m_path = QDir::cleanPath(path);
    m_ancestors.clear();
    QDir walk(m_path);
    m_ancestors.prepend(walk.absolutePath());
    while (walk.cdUp())
        m_ancestors.prepend(walk.absolutePath());
    m_children = listing.names + listing.unusable;
    m_usableChildren = int(listing.names.size());
    m_problem = listingProblem(listing);
    endResetModel();
}

QString DirectoryListModel::pathAt(int row) const {
    if (row < 0)
        return {};
    if (row < m_ancestors.size())
        return m_ancestors.at(row);
    const int child = row - m_ancestors.size();
    if (child >= m_usableChildren)
        return {};
    return joinPath(m_path, m_children.at(child));
}

int DirectoryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_ancestors.size() + m_children.size());
}

QVariant DirectoryListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    const bool ancestor = row < m_ancestors.size();
    const int depth = ancestor ? row : int(m_ancestors.size());
    switch (role) {
    case kNameRole:
    case Qt::DisplayRole: {
        const int child = row - int(m_ancestors.size());
        QString name = ancestor ? QDir(m_ancestors.at(row)).dirName() : m_children.at(child);
        if (!ancestor && child >= m_usableChildren)
            name += unusableMark();
        if (name.isEmpty())
            name = QStringLiteral("/");
        return role == kNameRole ? name : QString(depth * 2, QLatin1Char(' ')) + name;
    }
    case Qt::DecorationRole:
        return QApplication::style()->standardIcon(ancestor ? QStyle::SP_DirOpenIcon
                                                            : QStyle::SP_DirClosedIcon);
    case Qt::ToolTipRole:
        return ancestor || row - int(m_ancestors.size()) < m_usableChildren ? pathAt(row)
                                                                            : unusableTip();
    default:
        return {};
    }
}

QModelIndexList DirectoryListModel::match(const QModelIndex& start, int role, const QVariant& value,
                                          int hits, Qt::MatchFlags flags) const {
    return QAbstractListModel::match(start, role == Qt::DisplayRole ? kNameRole : role, value, hits,
                                     flags);
}
