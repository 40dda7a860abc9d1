#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The file list of a selection window: the ordinary files of one folder whose names match the
// window's pattern in any letter case, sorted by name.
class FileListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit FileListModel(const QString& pattern, QObject* parent = nullptr);

    void setPath(const QString& path);
    QString path() const { return m_path; }
    QString fileName(int row) const { return m_names.value(row); }
    int indexOf(const QString& name) const { return int(m_names.indexOf(name)); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QString m_pattern;
    QString m_path;
    QStringList m_names;
};
