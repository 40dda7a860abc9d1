#include "textfile.h"

#include "regularfile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

QStringList splitTextLines(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

TextRead readTextLines(const QString& path) {
    QFile file;
    const QString error = openRegularFile(file, path);
    if (!error.isEmpty())
        return {{}, error};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    return {splitTextLines(bytes), {}};
}

QString writeTextLines(const QString& path, const QStringList& lines) {
    // Encoded straight into one buffer: ROM lists run to many thousand lines.
    qsizetype room = 0;
    for (const QString& line : lines)
        room += line.size() * 3 + 2; // UTF-8 takes at most 3 bytes per UTF-16 unit
    QByteArray bytes(room, Qt::Uninitialized);
    QStringEncoder utf8(QStringEncoder::Utf8);
    char* end = bytes.data();
    for (const QString& line : lines) {
        end = utf8.appendToBuffer(end, line);
        *end++ = '\r';
        *end++ = '\n';
    }
    bytes.truncate(end - bytes.constData());
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk) shows in what write() returns: a
    // buffered QSaveFile drops it at flush and would commit a cut-off file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        const QString error =
            written < 0 ? file.errorString()
                        : QStringLiteral("only %1 of %2 bytes could be written; is the disk full?")
                              .arg(written)
                              .arg(bytes.size());
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
