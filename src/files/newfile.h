#pragma once

#include <QByteArray>
#include <QString>

// Makes `path` as a new regular file holding `bytes`, only where nothing stands yet (O_EXCL,
// never through a link): a file that appeared meanwhile is left alone. A file that could not be
// written whole is removed again, since half of it would be read as the whole. Not flushed to
// the disk. Returns "" on success, else why not.
QString createNewFile(const QString& path, const QByteArray& bytes);
