#pragma once

#include <QAbstractListModel>
#include <QStringList>

struct FolderListing;

// The folder list of a selection window: the current folder's ancestors from the root down,
// the current folder itself, then its subfolders.
class DirectoryListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setPath(const QString& path);
    // The same with the folder's subfolders already read.
    void setListing(const QString& path, const FolderListing& subfolders);
    QString path() const { return m_path; }
    QString pathAt(int row) const;
    int currentRow() const { return m_ancestors.size() - 1; }
    // What the window's status line should say of this folder, or "".
    QString problem() const { return m_problem; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Typing a folder's first letters finds it: names are matched without their indent.
    QModelIndexList match(const QModelIndex& start, int role, const QVariant& value, int hits = 1,
                          Qt::MatchFlags flags = Qt::MatchFlags(Qt::MatchStartsWith |
                                                                Qt::MatchWrap)) const override;

private:
    static constexpr int kNameRole = Qt::UserRole;
    QString m_path;
    QStringList m_ancestors; // full paths, root first, ending with the current folder
    QStringList m_children;  // names of the subfolders, usable ones first
    int m_usableChildren = 0;
    QString m_problem;
};
