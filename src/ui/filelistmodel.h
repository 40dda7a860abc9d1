#pragma once

#include <QAbstractListModel>
#include <QStringList>

struct FolderListing;

// The file list of a selection window: the ordinary files of one folder whose names match the
// window's pattern in any letter case, sorted by name. Names that are not valid UTF-8 come last,
// marked, and cannot be chosen.
class FileListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit FileListModel(const QString& pattern, QObject* parent = nullptr);

    void setPath(const QString& path);
    // The same with the folder's matching files already read.
    void setListing(const QString& path, const FolderListing& files);
    QString pattern() const { return m_pattern; }
    QString path() const { return m_path; }
    // "" for a row whose name cannot be used; ARCHIVE#ENTRY for a ROM shown inside an archive.
    QString fileName(int row) const;
    // Shows the ROMs inside the archive at `row` under it, its own rows, each named by the
    // archive and its entry; the archive shown before closes. An empty list closes it.
    void showArchiveRoms(int row, const QStringList& entries);
    // Whether `row` is a ROM shown inside an archive.
    bool isInsideArchive(int row) const { return nameIndex(row) < 0; }
    // What the window's status line should say of this folder, or "".
    QString problem() const { return m_problem; }
    int indexOf(const QString& name) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QString m_pattern;
    QString m_path;
    QStringList m_names;
    int m_usable = 0;
    int m_archiveRow = -1;
    QStringList m_archiveRoms;
    // The index in m_names of a row outside the open archive, or -1 for a ROM inside it.
    int nameIndex(int row) const;
    QString m_problem;
};
