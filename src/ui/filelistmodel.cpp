#include "filelistmodel.h"

#include <QDir>

FileListModel::FileListModel(const QString& pattern, QObject* parent)
    : QAbstractListModel(parent), m_pattern(pattern) {}

void FileListModel::setPath(const QString& path) {
    beginResetModel();
    m_path = path;
    QDir dir(path);
    dir.setNameFilters({m_pattern}); // name filters ignore letter case unless told otherwise
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    m_names = dir.entryList();
    endResetModel();
}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_names.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_names.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return m_names.at(index.row());
    return {};
}
