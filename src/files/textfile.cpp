#include "textfile.h"

#include "regularfile.h"
#include "replacefile.h"

#include <QFile>
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

TextRead readTextLines(const QString& path, qint64 maxBytes) {
    QFile file;
    const QString error = openRegularFile(file, path);
    if (!error.isEmpty())
        return {{}, error};
    const QString tooLarge = QStringLiteral("larger than %1 KiB, more than such a file holds")
                                 .arg(maxBytes / 1024.0, 0, 'g', 4);
    if (file.size() > maxBytes)
        return {{}, tooLarge};
    // Read no more than the limit allows even when the size said otherwise (a growing file).
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    if (bytes.size() > maxBytes)
        return {{}, tooLarge};
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
    return replaceFile(path, bytes);
}
